#include "generate/run_fixture.h"

#include "generate/gallery_fixture.h"
#include "platform/file_io.h"

namespace pictavue::testing {

std::vector<std::string> PhaseFrontEnd::Conversation() const {
  std::vector<std::string> conversation;
  for (const std::string& event : Events()) {
    if (event.rfind("status ", 0) == 0 || event.rfind("message ", 0) == 0 ||
        event == "process events") {
      conversation.push_back(event);
    }
  }
  return conversation;
}

RunFixture::RunFixture() = default;

RunFixture::RunFixture(RealTag, bool with_plugins)
    : system_lister_(MakeSystemDirectoryLister()),
      system_loader_(MakePictureLoader()),
      plugins_(with_plugins ? Plugins::Load(PICTAVUE_PLUGIN_FOLDER, CodePage("UTF-8")) : Plugins()),
      style_(NativePathStyle()),
      default_output_folder_("/nonexistent/default output") {}

std::unique_ptr<RunFixture> RunFixture::RealFiles(bool with_plugins) {
  return std::unique_ptr<RunFixture>(new RunFixture(RealTag{}, with_plugins));
}

const WrittenFile* RunFixture::Written(const std::string& path) const {
  for (const WrittenFile& file : written_) {
    if (file.path == path) {
      return &file;
    }
  }
  return nullptr;
}

RunEnvironment RunFixture::Environment() {
  FileWriter writer = [this](const std::string& path, std::string_view bytes) {
    written_.push_back({path, std::string(bytes), front_end_.YieldCount()});
    if (system_lister_ != nullptr) {
      return WritePageFile(path, bytes);
    }
    return Status::Ok();
  };
  DirectoryLister& lister =
      system_lister_ != nullptr ? *system_lister_ : static_cast<DirectoryLister&>(memory_);
  PictureLoader& loader =
      system_loader_ != nullptr ? *system_loader_ : static_cast<PictureLoader&>(table_loader_);
  return RunEnvironment{.lister = lister,
                        .plugins = plugins_,
                        .loader = loader,
                        .collation = collation_,
                        .code_page = code_page_,
                        .style = style_,
                        .clock = [] { return kFixedNow; },
                        .write_file = std::move(writer),
                        .default_output_folder = default_output_folder_,
                        .home_address = style_ == PathStyle::kWindows ? kWindowsHome : kPosixHome};
}

RunState RunFixture::Run(const GalleryOptions& options) {
  RunState state;
  RunGeneration(Environment(), options, state, front_end_);
  return state;
}

GalleryOptions RunOptions(const std::string& search_dir, const std::string& ipp_text,
                          const std::string& out_dir) {
  GalleryOptions options;
  options.SearchDir = search_dir;
  options.SubDir = kChecked;
  for (int GalleryOptions::*kind :
       {&GalleryOptions::GIF, &GalleryOptions::JPEG, &GalleryOptions::PNG, &GalleryOptions::BMP,
        &GalleryOptions::WMF, &GalleryOptions::EMF}) {
    options.*kind = kChecked;
  }
  if (ipp_text.empty()) {
    options.IPP = kIppUnlimited;
  } else {
    options.IPP = kNoListPosition;
    options.IppFree = ipp_text;
  }
  options.OutputDir = out_dir.empty() ? kOutputDirSearch : kOutputDirChosen;
  options.DirName = out_dir;
  return options;
}

}  // namespace pictavue::testing
