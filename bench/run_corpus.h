#pragma once

// What the in-process benchmarks of a generation run share: a tree of small pictures on disk and
// the run's real services over it.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "generate/generation_run.h"
#include "tools/picture_writers.h"

namespace pictavue::bench {

// A folder of this process's own under the system's temporary folder, removed with everything in
// it at the end.
class ScratchFolder {
 public:
  ScratchFolder() { std::filesystem::create_directories(path_); }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path(const std::string& relative = {}) const {
    return relative.empty() ? path_.string() : (path_ / relative).string();
  }
  std::string MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(path_ / relative);
    return Path(relative);
  }
  void WriteFile(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() / ("pictavue-bench-" + std::to_string(getpid()));
};

// pictures files in folders folders below folder/corpus: a quarter GIF, a quarter PNG, half JPEG.
inline void MakeCorpus(const ScratchFolder& folder, int pictures, int folders) {
  for (int i = 0; i < pictures; ++i) {
    const std::string name =
        "corpus/album" + std::to_string(1000 + i % folders) + "/picture" + std::to_string(i);
    switch (i % 4) {
      case 0:
        folder.WriteFile(name + ".gif", testing::MakeGif(40 + i % 9, 30));
        break;
      case 1:
        folder.WriteFile(name + ".png", testing::MakePng(24, 18 + i % 5));
        break;
      default:
        folder.WriteFile(name + ".jpg", testing::MakeJpeg(32 + i % 11, 24));
    }
  }
}

// The system's listing, loader, collation and code page with the plug-ins of plugin_folder,
// writing into output_folder.
class RealServices {
 public:
  RealServices(const std::string& plugin_folder, const std::string& output_folder)
      : plugins_(Plugins::Load(plugin_folder, CodePage("UTF-8"))),
        environment_{.lister = *lister_,
                     .plugins = plugins_,
                     .loader = *loader_,
                     .collation = collation_,
                     .code_page = code_page_,
                     .default_output_folder = output_folder,
                     .home_address = "file:///usr/share/doc/index.html"} {}
  RealServices(const RealServices&) = delete;
  RealServices& operator=(const RealServices&) = delete;

  const RunEnvironment& environment() const { return environment_; }
  const Plugins& plugins() const { return plugins_; }
  const CodePage& code_page() const { return code_page_; }

 private:
  std::unique_ptr<DirectoryLister> lister_ = MakeSystemDirectoryLister();
  std::unique_ptr<PictureLoader> loader_ = MakePictureLoader();
  Plugins plugins_;
  Collation collation_ = Collation::ForUserLocale();
  CodePage code_page_ = CodePage::System();
  RunEnvironment environment_;
};

}  // namespace pictavue::bench
