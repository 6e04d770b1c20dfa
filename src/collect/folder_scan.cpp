#include "collect/folder_scan.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "platform/ascii_case.h"

namespace pictavue {
namespace {

// Lets waiting events run; true when the run is to stop.
bool YieldAndPollCancel(RunFeedback& feedback, RunState& state) {
  if (feedback.YieldEvents()) {
    state.CancelRequested = true;
  }
  return state.CancelRequested;
}

bool IsWindowsRecycleItem(std::string_view path) {
  // The drive letter is not looked at: any drive's recycle bin counts.
  constexpr std::string_view kRecycled = ":\\recycled\\";
  constexpr std::string_view kRecycler = ":\\recycler\\";
  if (path.size() < 1 + kRecycled.size()) {
    return false;
  }
  const std::string part = AsciiLower(path.substr(1, kRecycled.size()));
  return part == kRecycled || part == kRecycler;
}

std::vector<std::string_view> PosixComponents(std::string_view path) {
  std::vector<std::string_view> components;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    if (end > start) {
      components.push_back(path.substr(start, end - start));
    }
    start = end + 1;
  }
  return components;
}

bool IsAllDigits(std::string_view text) {
  if (text.empty()) {
    return false;
  }
  for (char c : text) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;
}

// The trash folder that holds a "files" folder: "Trash" in the user's data folder, ".Trash-<uid>"
// or ".Trash/<uid>" at the top of another file system.
bool IsTrashFolder(const std::vector<std::string_view>& components, std::size_t index) {
  const std::string_view name = components[index];
  if (name == "Trash" || (name.starts_with(".Trash-") && IsAllDigits(name.substr(7)))) {
    return true;
  }
  return IsAllDigits(name) && index > 0 && components[index - 1] == ".Trash";
}

bool IsPosixTrashItem(std::string_view path) {
  const std::vector<std::string_view> components = PosixComponents(path);
  // An item needs a name below ".../files".
  for (std::size_t i = 1; i + 1 < components.size(); ++i) {
    if (components[i] == "files" && IsTrashFolder(components, i - 1)) {
      return true;
    }
  }
  return false;
}

Status TooManyImages() {
  return Status::Failure(kTooManyImagesMessage.text);
}

struct Subfolder {
  std::string name;
  bool is_link = false;
};

class FolderWalk {
 public:
  FolderWalk(DirectoryLister& lister, RunFeedback& feedback, const ScanRequest& request,
             RunState& state)
      : lister_(lister), feedback_(feedback), request_(request), state_(state) {}

  Status Visit(const std::string& folder) {
    if (YieldAndPollCancel(feedback_, state_)) {
      return Status::Ok();
    }
    if (request_.recurse) {
      if (const std::optional<FileIdentity> identity = lister_.FolderIdentity(folder)) {
        visited_.insert(*identity);
      }
    }
    std::vector<Subfolder> subfolders;
    if (Status listed = ListSubfolders(folder, subfolders); !listed.ok()) {
      return listed;
    }
    // The first visit is the search folder's; deeper folders are reached only through its
    // subfolders, so this holds the search folder's count.
    if (state_.TopSubfolderCount == 0) {
      state_.TopSubfolderCount = static_cast<int>(subfolders.size());
    }
    if (Status collected = CollectFiles(lister_, feedback_, request_, folder, state_);
        !collected.ok()) {
      return collected;
    }
    if (!request_.recurse) {
      return Status::Ok();
    }
    for (const Subfolder& subfolder : subfolders) {
      if (YieldAndPollCancel(feedback_, state_)) {
        break;
      }
      std::string path = folder + subfolder.name + Separator(request_.style);
      if (subfolder.is_link && WasVisited(path)) {
        continue;  // a link back into the walk would repeat it without end
      }
      if (Status walked = Visit(path); !walked.ok()) {
        return walked;
      }
    }
    return Status::Ok();
  }

 private:
  Status ListSubfolders(const std::string& folder, std::vector<Subfolder>& subfolders) {
    const std::unique_ptr<DirectorySearch> search = lister_.Open(folder, "*.*");
    if (!search) {
      return Status::Ok();
    }
    while (search->Next()) {
      const std::string& name = search->Name();
      // The name rules first: they cost nothing, while telling a folder may ask the disk.
      if (!IsWalkableSubfolder(folder, name, request_.style) || !search->IsFolder()) {
        continue;
      }
      if (subfolders.size() >= static_cast<std::size_t>(kMaxImages)) {
        return TooManyImages();
      }
      subfolders.push_back({name, search->IsLink()});
    }
    return Status::Ok();
  }

  bool WasVisited(const std::string& folder) {
    const std::optional<FileIdentity> identity = lister_.FolderIdentity(folder);
    return identity && visited_.count(*identity) > 0;
  }

  DirectoryLister& lister_;
  RunFeedback& feedback_;
  const ScanRequest& request_;
  RunState& state_;
  std::set<FileIdentity> visited_;
};

}  // namespace

std::string FileExtension(std::string_view file_name) {
  const std::size_t dot = file_name.rfind('.');
  if (dot == std::string_view::npos) {
    return {};
  }
  return std::string(file_name.substr(dot + 1));
}

bool IsWantedPicture(std::string_view file_name, const PictureKinds& kinds) {
  const std::string extension = AsciiLower(FileExtension(file_name));
  if (extension == "gif") {
    return kinds.GIF;
  }
  if (extension == "jpg" || extension == "jpeg") {
    return kinds.JPEG;
  }
  if (extension == "png") {
    return kinds.PNG && kinds.PngPluginAvailable;
  }
  if (extension == "bmp") {
    return kinds.BMP;
  }
  if (extension == "wmf") {
    return kinds.WMF;
  }
  if (extension == "emf") {
    return kinds.EMF;
  }
  return false;
}

bool IsInsideRecycleBin(std::string_view path, PathStyle style) {
  return style == PathStyle::kWindows ? IsWindowsRecycleItem(path) : IsPosixTrashItem(path);
}

bool IsWalkableSubfolder(std::string_view folder, std::string_view name, PathStyle style) {
  if (name.empty() || name.front() == '.') {
    return false;
  }
  // On POSIX a trash is reached only through hidden folders, which are never walked; a search
  // folder inside one was chosen by the user, and its subfolders are walked as before.
  return style != PathStyle::kWindows || !IsInsideRecycleBin(folder, style);
}

Status ScanFolder(DirectoryLister& lister, RunFeedback& feedback, const ScanRequest& request,
                  const std::string& folder, RunState& state) {
  FolderWalk walk(lister, feedback, request, state);
  return walk.Visit(folder);
}

Status CollectFiles(DirectoryLister& lister, RunFeedback& feedback, const ScanRequest& request,
                    const std::string& folder, RunState& state) {
  const std::unique_ptr<DirectorySearch> search = lister.Open(folder, request.pattern);
  if (!search) {
    return Status::Ok();
  }
  while (search->Next()) {
    if (YieldAndPollCancel(feedback, state)) {
      break;
    }
    const std::string& name = search->Name();
    // The size is asked only of the entries kept: on a large tree most stats are avoided.
    if (!IsWantedPicture(name, request.kinds) || search->IsFolder()) {
      continue;
    }
    if (!AppendImage(state, ImageEntry{folder, name, search->ByteSize()})) {
      return TooManyImages();
    }
  }
  return Status::Ok();
}

}  // namespace pictavue
