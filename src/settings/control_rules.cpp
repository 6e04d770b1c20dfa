#include "settings/control_rules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/translation.h"

namespace pictavue {
namespace {

// The window shows the tool texts in the chosen language (PICTAVUE_TEXT marks them for it).
constexpr FileNameHint kSinglePageHint = {"．htm",
                                          PICTAVUE_TEXT("frmMain", "出力ﾌｧｲﾙ名(拡張子不要)").text};
constexpr FileNameHint kPagedHint = {
    "xxx．htm",
    PICTAVUE_TEXT("frmMain",
                  "出力ﾌｧｲﾙ名(拡張子不要)\r\nﾍﾟｰｼﾞ番号をあらわす001～\r\n999が付加されます｡")
        .text};

constexpr std::array<ControlId, kTabCount> kFirstControls = {
    ControlId::txtFileName, ControlId::txtTitle, ControlId::chkBGColor, ControlId::chkSameSize};

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

}  // namespace

bool IsSinglePageOutput(int ipp_position, int frame_menu) {
  return ipp_position == kIppUnlimited || IsOn(frame_menu);
}

FileNameHint FileNameHintFor(bool single_page) {
  return single_page ? kSinglePageHint : kPagedHint;
}

ControlEnabling EnablingFor(const GalleryOptions& options) {
  ControlEnabling enabling;
  enabling.chkAutoSize = IsOn(options.SubWin);
  enabling.chkOnlyOne = IsOn(options.SubWin) && IsOn(options.AutoSize);
  enabling.txtDelay = IsOn(options.ClientPull);
  enabling.chkPathName = IsOn(options.FolderName);
  enabling.Command6_0 = options.OutputDir == kOutputDirChosen;
  enabling.Command6_1 = IsOn(options.Browser);
  enabling.chkFrame = options.IPP != kIppUnlimited;
  return enabling;
}

std::string OutputFolderToolTip(const GalleryOptions& options) {
  return options.OutputDir == kOutputDirChosen ? options.DirName : std::string();
}

ControlId FirstControlOfTab(int tab) {
  if (tab < 1 || tab > kTabCount) {
    return kFirstControls[0];
  }
  return kFirstControls[static_cast<std::size_t>(tab - 1)];
}

std::optional<int> TabSelectedByTabKey(int current_tab, int tab_count, bool ctrl, bool shift,
                                       bool alt) {
  if (!ctrl || alt || tab_count < 1) {
    return std::nullopt;
  }
  if (shift) {
    return current_tab <= 1 ? tab_count : current_tab - 1;
  }
  return current_tab >= tab_count ? 1 : current_tab + 1;
}

bool IsInsideRecycleBin(std::string_view path, PathStyle style) {
  return style == PathStyle::kWindows ? IsWindowsRecycleItem(path) : IsPosixTrashItem(path);
}

bool TakesDroppedPath(std::string_view path, PathStyle style, FileKind kind) {
  return kind == FileKind::kFolder && !IsInsideRecycleBin(path, style);
}

void NoteFocus(FocusState& state, std::string_view control_name) {
  state.LastFocusName = std::string(control_name);
}

void NoteTextBoxMouseDown(FocusState& state, std::string_view active_control_name) {
  if (active_control_name != state.LastFocusName) {
    state.FocusByMouse = true;
  }
}

bool SelectAllOnFocus(FocusState& state) {
  const bool select_all = !state.FocusByMouse;
  state.FocusByMouse = false;
  return select_all;
}

}  // namespace pictavue
