#include "request/request_run.h"

#include <optional>

#include "platform/path_kind.h"
#include "request/open_result.h"
#include "request/output_file.h"
#include "request/request_checks.h"

namespace pictavue {
namespace {

void PointAt(FrontEnd& front_end, const FocusTarget& focus) {
  front_end.PointAt(focus.tab_page, focus.control, focus.action);
}

RequestResult Stop(FrontEnd& front_end, const CheckFailure& failure) {
  ShowMessage(front_end, failure.message, kStyleWarning);
  PointAt(front_end, failure.focus);
  return RequestResult{RequestOutcome::kCheckFailed, {}};
}

// Every check before the run, and the overwrite question. Nothing when the run may start.
std::optional<RequestResult> CheckRequest(const Session& session, FrontEnd& front_end) {
  const GalleryOptions& options = session.options;
  const Translation& translation = session.translation;
  if (std::optional<CheckFailure> failure =
          CheckSettings(options, session.plugins.names().PngPluginName, translation)) {
    return Stop(front_end, *failure);
  }
  if (PathKind(options.SearchDir) != FileKind::kFolder) {
    return Stop(front_end, MissingFolderFailure(options.SearchDir, translation));
  }
  const std::string output_path =
      OutputPathFor(options, session.default_output_folder, session.style);
  if (session.code_page.ByteLength(output_path) > kMaxOutputPathBytes) {
    return Stop(front_end, OutputPathTooLongFailure(translation));
  }
  if (OutputFileExists(output_path, session.style) &&
      ShowMessage(front_end, OverwriteQuestion(options, translation), kStyleQuestionDefaultNo) !=
          kButtonYes) {
    PointAt(front_end, kFileNameFocus);
    return RequestResult{RequestOutcome::kDeclined, {}};
  }
  if (CannotCreateFile(output_path)) {
    return Stop(front_end, CannotCreateFailure(output_path, translation));
  }
  return std::nullopt;
}

void OpenCreatedPage(const Session& session, const std::string& page, Launcher& launcher,
                     FrontEnd& front_end) {
  if (IsOn(session.options.AutoOpenMode) &&
      ShowMessage(front_end, std::string(session.translation.Of(kOpenQuestion)), kStyleQuestion) !=
          kButtonYes) {
    return;
  }
  OpenResult(page, session.options, session.translation, launcher, front_end);
}

}  // namespace

RequestResult RequestRun(Session& session, FrontEnd& front_end, GalleryRun& run, Launcher& launcher,
                         const RequestSettings& settings) {
  if (std::optional<RequestResult> stopped = CheckRequest(session, front_end)) {
    return *stopped;
  }

  RunState state;
  front_end.RunModal([&] { run.Run(state, front_end); });

  if (state.RunAborted) {
    return RequestResult{RequestOutcome::kAborted, {}};
  }
  front_end.ProcessEvents();
  if (state.ImageCount <= 0) {
    return RequestResult{
        state.CancelRequested ? RequestOutcome::kCancelled : RequestOutcome::kNothingFound, {}};
  }
  if (settings.open_result) {
    OpenCreatedPage(session, state.PageToOpen, launcher, front_end);
  }
  const std::string search_dir = AddToFolderHistory(session.history, session.options.SearchDir);
  if (!search_dir.empty()) {
    session.options.SearchDir = search_dir;
  }
  return RequestResult{RequestOutcome::kPagesWritten, state.PageToOpen};
}

}  // namespace pictavue
