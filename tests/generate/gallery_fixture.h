#pragma once

// The pictures, options and services of the page and run tests, all in memory.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "collect/image_list.h"
#include "collect/plugin_probe.h"
#include "generate/generation_run.h"
#include "support/memory_directory.h"
#include "support/recording_front_end.h"

namespace pictavue::testing {

inline constexpr DateTime kFixedNow{2026, 3, 1, 9, 5, 7};
inline constexpr char kWindowsHome[] = "file:///C|/Program Files/Pictavue/docs/index.html";
// With characters that the pages must encode like those of any address.
inline constexpr char kPosixHome[] = "file:///opt/100% #1/docs/index.html";

// Tree "windows" or "posix" of tests/data/generate/pictures.tsv, in page order.
RunState Tree(std::string_view name);

// Options for a run over search_dir: pictures per page typed as ipp_text ("" for "無制限"), the
// settings as OptionsFromSettings reads them, and every picture kind and subfolders searched
// unless the settings say otherwise.
GalleryOptions OptionsFor(std::string_view search_dir, std::string_view ipp_text,
                          const std::vector<std::string>& settings = {});

// Sets ImagesPerPage and PageCount of run as a run with options does.
void Paginate(const GalleryOptions& options, RunState& run);

// Answers sizes from a table by full path, like the system's loader for the files it can read.
class TableLoader final : public PictureLoader {
 public:
  void Add(const std::string& path, PixelSize size) { sizes_[path] = size; }
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll&) override {
    ++calls_;
    const auto found = sizes_.find(path);
    return found == sizes_.end() ? std::nullopt : std::optional(found->second);
  }
  int calls() const { return calls_; }

 private:
  std::map<std::string, PixelSize> sizes_;
  int calls_ = 0;
};

// One file as the run handed it to its writer, and the yields the run had made by then.
struct WrittenFile {
  std::string path;
  std::string bytes;
  int yields_before = 0;
};

// A run over a Windows-style tree in memory, its pages written into written().
class RunFixture {
 public:
  MemoryDirectory& memory() { return memory_; }
  TableLoader& loader() { return loader_; }
  RecordingFrontEnd& front_end() { return front_end_; }
  const std::vector<WrittenFile>& written() const { return written_; }
  std::vector<std::string> WrittenPaths() const;

  void set_code_page(const std::string& name) { code_page_ = CodePage(name); }
  // Writing the file of that path fails with description, as a full disk would.
  void FailWriting(const std::string& path, const std::string& description) {
    failures_[path] = description;
  }

  // Runs with a fresh RunState and returns it.
  RunState Run(const GalleryOptions& options);

 private:
  MemoryDirectory memory_;
  TableLoader loader_;
  Plugins plugins_;
  Collation collation_ = Collation::ForLocale("C");
  CodePage code_page_{"UTF-8"};
  std::map<std::string, std::string> failures_;
  std::vector<WrittenFile> written_;
  RecordingFrontEnd front_end_;
};

}  // namespace pictavue::testing
