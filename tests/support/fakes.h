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
// a test wants, and lets the test look around while it "runs".
class FakeRun final : public GalleryRun {
 public:
  int image_count = 3;
  std::string page_to_open = "/out/Pictavue001.htm";
  bool aborted = false;
  bool cancelled = false;
  std::function<void(RunState&, FrontEnd&)> during;  // called first, when set

  void Run(RunState& state, FrontEnd& front_end) override {
    ++runs;
    fresh_state = state.ImageCount == 0 && state.ImageList.empty() && !state.RunAborted &&
                  !state.CancelRequested;
    if (during) {
      during(state, front_end);
    }
    if (cancelled) {
      state.CancelRequested = true;
      state.ImageCount = 0;
      return;
    }
    state.ImageCount = image_count;
    state.RunAborted = aborted;
    if (image_count > 0 && !aborted) {
      state.PageToOpen = page_to_open;
    }
  }

  int runs = 0;
  bool fresh_state = false;
};

}  // namespace pictavue::testing
