#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/gallery_run_factory.h"
#include "app/startup.h"
#include "platform/launch.h"
#include "request/gallery_run.h"
#include "request/session.h"

namespace pictavue {

// Exit statuses of batch mode.
inline constexpr int kExitPagesWritten = 0;
inline constexpr int kExitNothingWritten = 1;  // a failed check, a No, no pictures
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRunFailed = 3;  // the run stopped on a failure
inline constexpr int kExitCancelled = 130;

// The generation run for a session.
using GalleryRunFactory = std::function<std::unique_ptr<GalleryRun>(Session&)>;

// What batch mode works with besides its streams; the system's own by default, fakes in tests.
struct BatchServices {
  std::string program_file;  // the program's full path: its folder holds the plug-ins
  StartupSystem* startup = nullptr;
  Launcher* launcher = nullptr;
  GalleryRunFactory make_run;
  std::function<bool()> interrupted;  // Ctrl+C
  bool show_progress = false;         // the error stream is a terminal
  CodePage code_page{"UTF-8"};
};

// pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER: one generation with
// the saved settings and no window. Same checks, messages and order as the Create button, written
// to err; questions take their default button, or Yes with --yes; the open step (question included)
// only with --open; the page to open on out. Settings and history are saved at the end, and a
// failed save is reported. Returns the exit status. --help and --version print to out.
int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const BatchServices& services);

// RunBatch with the system's services and Ctrl+C asking the run to cancel. Call it before any
// thread is started, from the program's entry (argv0 names the program).
int RunBatch(const std::string& argv0, const std::vector<std::string>& arguments, std::ostream& out,
             std::ostream& err, const GalleryRunFactory& make_run = MakeGalleryRun);

// The usage line and the options, as --help prints them.
std::string BatchHelpText(const Translation& translation);

}  // namespace pictavue
