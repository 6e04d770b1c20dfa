#pragma once

#include <string>

#include "generate/front_end.h"
#include "platform/launch.h"
#include "request/gallery_run.h"
#include "request/session.h"

namespace pictavue {

// How a run request ended.
enum class RequestOutcome {
  kCheckFailed,   // a check stopped it; its message was shown and the control pointed at
  kDeclined,      // the user would not have the first page overwritten
  kNothingFound,  // the run found no pictures (and said so)
  kCancelled,     // the run was cancelled
  kAborted,       // the run stopped on a failure and said so
  kPagesWritten,  // pages were written; opening them may still have failed
};

struct RequestResult {
  RequestOutcome outcome = RequestOutcome::kCheckFailed;
  std::string PageToOpen;  // the page to show, when pages were written
};

struct RequestSettings {
  // Without it the step that opens the result, question included, is left out (batch mode
  // opens only when asked to).
  bool open_result = true;
};

// What the Create button does, and a command-line run: checks the request in a fixed order and
// stops at the first problem with its message and the control at fault; asks before the first
// page is overwritten; makes sure the page can be created; runs the generation in the front
// end's modal window; then opens the result (asking first when AutoOpenMode is on) and puts the
// search folder at the front of the history, when pictures were found.
RequestResult RequestRun(Session& session, FrontEnd& front_end, GalleryRun& run, Launcher& launcher,
                         const RequestSettings& settings = {});

}  // namespace pictavue
