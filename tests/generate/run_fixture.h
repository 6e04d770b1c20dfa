#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "collect/plugin_probe.h"
#include "generate/generation_run.h"
#include "platform/code_page.h"
#include "platform/collation.h"
#include "platform/dir_listing.h"
#include "platform/picture_loader.h"
#include "support/memory_directory.h"
#include "support/recording_front_end.h"

namespace pictavue::testing {

// One file as the run handed it to its writer.
struct WrittenFile {
  std::string path;
  std::string bytes;
  int yields_before = 0;  // the front end's YieldCount() when the file was written
};

// A recording front end that also notes how many yields had happened when each status was set.
class PhaseFrontEnd : public RecordingFrontEnd {
 public:
  void SetStatus(const std::string& text) override {
    RecordingFrontEnd::SetStatus(text);
    yields_at_status_[text] = YieldCount();
  }
  std::optional<int> YieldsAtStatus(const std::string& text) const {
    const auto found = yields_at_status_.find(text);
    return found == yields_at_status_.end() ? std::nullopt : std::optional(found->second);
  }

  // The events without yields and progress: statuses, messages, "process events".
  std::vector<std::string> Conversation() const;

 private:
  std::map<std::string, int> yields_at_status_;
};

// Answers sizes from a table by full path, like the system's loader for files it can read.
class TableLoader final : public PictureLoader {
 public:
  void Add(const std::string& path, PixelSize size) { sizes_[path] = size; }
  std::optional<PixelSize> LoadSize(const std::string& path,
                                    const CancelPoll& /*cancelled*/) override {
    ++calls_;
    const auto found = sizes_.find(path);
    return found == sizes_.end() ? std::nullopt : std::optional(found->second);
  }
  int calls() const { return calls_; }

 private:
  std::map<std::string, PixelSize> sizes_;
  int calls_ = 0;
};

// Everything a run needs, with the directory tree, the loader and the written files in memory
// (Windows style), or on the real file system with the real plug-ins (RealFiles()).
class RunFixture {
 public:
  // A Windows-style tree in memory; files are written into written().
  RunFixture();
  // The system's lister, loader and file writer, and the plug-ins built beside the tests.
  static std::unique_ptr<RunFixture> RealFiles(bool with_plugins = true);

  MemoryDirectory& memory() { return memory_; }
  TableLoader& table_loader() { return table_loader_; }
  PhaseFrontEnd& front_end() { return front_end_; }
  const std::vector<WrittenFile>& written() const { return written_; }
  // The written file of that path; nullptr when the run did not write it.
  const WrittenFile* Written(const std::string& path) const;

  void set_code_page(const std::string& name) { code_page_ = CodePage(name); }

  RunEnvironment Environment();
  // Runs with a fresh RunState and returns it.
  RunState Run(const GalleryOptions& options);

 private:
  struct RealTag {};
  RunFixture(RealTag, bool with_plugins);

  MemoryDirectory memory_;
  std::unique_ptr<DirectoryLister> system_lister_;
  TableLoader table_loader_;
  std::unique_ptr<PictureLoader> system_loader_;
  Plugins plugins_;
  Collation collation_ = Collation::ForLocale("C");
  CodePage code_page_{"UTF-8"};
  PathStyle style_ = PathStyle::kWindows;
  std::string default_output_folder_ = "C:\\Program Files\\Pictavue";
  std::vector<WrittenFile> written_;
  PhaseFrontEnd front_end_;
};

// Options for a run over search_dir: every picture kind, subfolders searched, pictures per page
// typed as ipp_text ("" for "無制限"), the pages into out_dir ("" for the search folder).
GalleryOptions RunOptions(const std::string& search_dir, const std::string& ipp_text,
                          const std::string& out_dir);

}  // namespace pictavue::testing
