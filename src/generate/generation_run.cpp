#include "generate/generation_run.h"

#include <cstddef>

#include "collect/measure.h"
#include "collect/ordering.h"
#include "generate/frame_set.h"
#include "generate/index_page.h"
#include "generate/page_context.h"
#include "generate/page_layout.h"
#include "platform/paths.h"

namespace pictavue {
namespace {

constexpr SourceText kAbortMessage =
    PICTAVUE_TEXT("GenerationRun", "次の理由により処理を中止します。\r\n\r\n%1");

// One run from its first status line to its end. Each phase answers whether the run goes on.
class Generation {
 public:
  Generation(const RunEnvironment& environment, const GalleryOptions& options, RunState& state,
             FrontEnd& front_end)
      : environment_(environment),
        options_(options),
        state_(state),
        front_end_(front_end),
        context_{options, state, environment.style, environment.home_address, environment.clock()} {
  }

  void Run() {
    if (Collect() && Measure() && Order() && WritePages() && WriteFrameSetFiles()) {
      state_.PageToOpen = PageToOpen(options_, state_.PageCount, environment_.default_output_folder,
                                     environment_.style);
      state_.RunAborted = false;
    }
  }

 private:
  bool Collect() {
    SetStatus(kStatusCollecting);
    state_.TopSubfolderCount = 0;
    state_.CancelRequested = false;

    ScanRequest request;
    request.style = environment_.style;
    request.pattern = ListingPattern(options_);
    request.recurse = IsOn(options_.SubDir);
    request.kinds = PictureKindsOf(options_, environment_.plugins.names());
    const std::string start_folder = WithTrailingSeparator(options_.SearchDir, environment_.style);
    if (const Status scanned =
            ScanFolder(environment_.lister, front_end_, request, start_folder, state_);
        !scanned.ok()) {
      return Abort(scanned);
    }
    if (state_.CancelRequested) {
      return Cancelled();
    }
    if (state_.ImageCount == 0) {
      ShowMessage(front_end_, std::string(Words(kNoPicturesMessage)), kStyleWarning);
      return false;
    }
    return true;
  }

  bool Measure() {
    SetStatus(kStatusMeasuring);
    front_end_.SetProgressRange(0, state_.ImageCount);
    front_end_.SetProgressValue(0);
    // With SameSize every picture is taken to be as large as the first one found.
    const bool same_size = IsOn(options_.SameSize);
    MeasuredSize size;
    for (int i = 0; i < state_.ImageCount; ++i) {
      ImageEntry& entry = state_.ImageList[static_cast<std::size_t>(i)];
      if (!same_size || i == 0) {
        size = MeasurePicture(entry, environment_.plugins, environment_.loader,
                              [this] { return PollCancel(); });
      }
      entry.Width = size.Width;
      entry.Height = size.Height;
      front_end_.SetProgressValue(i + 1);
      if (PollCancel()) {
        return Cancelled();
      }
    }
    front_end_.SetProgressValue(0);
    return true;
  }

  bool Order() {
    if (state_.ImageCount < 2) {
      return true;
    }
    SetStatus(kStatusSorting);
    front_end_.ProcessEvents();
    // On a cancel the ordering has already set ImageCount to 0.
    return OrderImages(state_, options_, environment_.collation, front_end_);
  }

  bool WritePages() {
    SetStatus(kStatusWriting);
    front_end_.ProcessEvents();
    const bool unlimited = IsUnlimited(options_);
    if (unlimited) {
      state_.PageCount = 1;
    } else {
      const std::optional<int> images_per_page = ImagesPerPage(IppText(options_));
      if (!images_per_page) {
        return Abort(Status::Failure(kBadImagesPerPageDescription.text));
      }
      state_.ImagesPerPage = *images_per_page;
      state_.PageCount = PageCount(state_.ImageCount, state_.ImagesPerPage);
    }

    environment_.remove_stale_files(
        OutputFolder(options_, environment_.default_output_folder, environment_.style));
    std::string page;
    for (int p = 1; p <= state_.PageCount; ++p) {
      page.clear();
      if (const Status built = WriteIndexPage(context_, p, front_end_, page); !built.ok()) {
        return Abort(built);
      }
      if (const Status written = WriteFile(PageFileName(options_.FileName, unlimited, p), page);
          !written.ok()) {
        return Abort(written);
      }
      // A page once begun is always finished: cancel is looked at between pages only.
      if (PollCancel()) {
        return Cancelled();
      }
    }
    return true;
  }

  bool WriteFrameSetFiles() {
    if (state_.PageCount < 2 || !IsOn(options_.FrameMenu)) {
      return true;
    }
    std::string frame_set;
    std::string menu;
    if (const Status built = WriteFrameSet(context_, frame_set, menu); !built.ok()) {
      return Abort(built);
    }
    if (const Status written = WriteFile(FrameSetFileName(options_.FileName), frame_set);
        !written.ok()) {
      return Abort(written);
    }
    if (const Status written = WriteFile(MenuFileName(options_.FileName), menu); !written.ok()) {
      return Abort(written);
    }
    return true;
  }

  // Converts text to the pages' code page once and writes it in one go; pages in UTF-8 are
  // written as they stand rather than through a copy of the whole page. A failure names the file
  // before the system's description, which never does.
  Status WriteFile(const std::string& file_name, const std::string& text) const {
    const std::string path =
        OutputFolder(options_, environment_.default_output_folder, environment_.style) + file_name;
    const Status written =
        environment_.code_page.is_utf8()
            ? environment_.write_file(path, text)
            : environment_.write_file(
                  path, environment_.code_page.FromUtf8(text, Unmappable::kCharReference));
    return written.ok() ? written : Status::Failure(path + ": " + written.description());
  }

  std::string_view Words(SourceText text) const { return environment_.translation.Of(text); }
  void SetStatus(SourceText text) { front_end_.SetStatus(std::string(Words(text))); }

  bool PollCancel() {
    if (front_end_.YieldEvents()) {
      state_.CancelRequested = true;
    }
    return state_.CancelRequested;
  }

  // A cancel ends the run without a word; ImageCount 0 keeps the caller from opening anything.
  bool Cancelled() {
    state_.CancelRequested = true;
    state_.ImageCount = 0;
    return false;
  }

  bool Abort(const Status& failure) {
    ShowMessage(front_end_, AbortMessage(failure.description(), environment_.translation),
                kStyleStop);
    state_.RunAborted = true;
    return false;
  }

  const RunEnvironment& environment_;
  const GalleryOptions& options_;
  RunState& state_;
  FrontEnd& front_end_;
  const PageContext context_;
};

// Whether kind is the only one of the six chosen.
bool OnlyKind(const GalleryOptions& options, int GalleryOptions::*kind) {
  static constexpr int GalleryOptions::*kKinds[] = {&GalleryOptions::GIF, &GalleryOptions::JPEG,
                                                    &GalleryOptions::PNG, &GalleryOptions::BMP,
                                                    &GalleryOptions::WMF, &GalleryOptions::EMF};
  for (const auto other : kKinds) {
    if (IsOn(options.*other) != (other == kind)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ListingPattern(const GalleryOptions& options) {
  struct Single {
    int GalleryOptions::*kind;
    const char* pattern;
  };
  static constexpr Single kSingles[] = {{&GalleryOptions::GIF, "*.gif"},
                                        {&GalleryOptions::PNG, "*.png"},
                                        {&GalleryOptions::BMP, "*.bmp"},
                                        {&GalleryOptions::WMF, "*.wmf"},
                                        {&GalleryOptions::EMF, "*.emf"}};
  for (const Single& single : kSingles) {
    if (OnlyKind(options, single.kind)) {
      return single.pattern;
    }
  }
  return "*.*";
}

PictureKinds PictureKindsOf(const GalleryOptions& options, const PluginNames& plugin_names) {
  PictureKinds kinds;
  kinds.GIF = IsOn(options.GIF);
  kinds.JPEG = IsOn(options.JPEG);
  kinds.PNG = IsOn(options.PNG);
  kinds.BMP = IsOn(options.BMP);
  kinds.WMF = IsOn(options.WMF);
  kinds.EMF = IsOn(options.EMF);
  kinds.PngPluginAvailable = !plugin_names.PngPluginName.empty();
  return kinds;
}

std::string AbortMessage(std::string_view description, const Translation& translation) {
  return translation.Format(kAbortMessage, {translation.Of(kFailureContext, description)});
}

Status WritePageFile(const std::string& path, std::string_view bytes) {
  return WriteFileAtomically(path, bytes, LinkAtPath::kReplace, Flush::kLeftToTheSystem);
}

void RunGeneration(const RunEnvironment& environment, GalleryOptions options, RunState& state,
                   FrontEnd& front_end) {
  Generation(environment, options, state, front_end).Run();
}

}  // namespace pictavue
