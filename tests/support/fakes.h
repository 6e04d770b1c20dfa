#pragma once

// Fakes of the services the core is given: a launcher and a generation run.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/launch.h"
#include "request/gallery_run.h"

namespace pictavue::testing {

// A launcher that starts nothing: it records each call as one line ("start <program> | <arg>",
// "open <path>") and answers from a script.
class FakeLauncher : public Launcher {
 public:
  std::int64_t task_id = 4242;  // what StartProgram answers
  int open_result = kOpenSucceeded;

  std::int64_t StartProgram(const ProgramCommand& command) override {
    std::string line = "start " + command.program;
    for (const std::string& argument : command.arguments) {
      line += " | " + argument;
    }
    calls.push_back(line);
    return task_id;
  }
  int OpenDocument(const std::string& path) override {
    calls.push_back("open " + path);
    return open_result;
  }

  std::vector<std::string> calls;
};

// A generation run that writes nothing: it leaves the state as a real run would for the outcome
// a test names ("pages", "none", "cancelled", "aborted"), and lets the test look around while
// it "runs".
class FakeRun final : public GalleryRun {
 public:
  std::string outcome = "pages";
  std::string page_to_open = "/out/Pictavue001.htm";
  std::function<void(RunState&, FrontEnd&)> during;  // called first, when set
  int runs = 0;
  bool fresh_state = false;  // the last run began without a list or an outcome

  void Run(RunState& state, FrontEnd& front_end) override {
    ++runs;
    fresh_state = state.ImageCount == 0 && state.ImageList.empty() && !state.RunAborted &&
                  !state.CancelRequested;
    if (during) {
      during(state, front_end);
    }
    state.CancelRequested = outcome == "cancelled";
    state.RunAborted = outcome == "aborted";
    state.ImageCount = outcome == "pages" || state.RunAborted ? 3 : 0;
    if (outcome == "pages") {
      state.PageToOpen = page_to_open;
    }
  }
};

}  // namespace pictavue::testing
