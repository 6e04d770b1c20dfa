// pictavue's batch mode with a stand-in for the generation run, so that the program's command
// line, streams, exit statuses, settings file and Ctrl+C are tested end to end as a process.
// The stand-in counts the .gif files of the search folder and writes one small first page; a
// file named "fail-the-run" makes it stop on a failure, one named "wait-for-cancel" makes it
// wait (writing "running" into the folder) until it is cancelled.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "app/batch_mode.h"
#include "generate/page_layout.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

class StandInRun final : public GalleryRun {
 public:
  explicit StandInRun(Session& session) : session_(session) {}

  void Run(RunState& state, FrontEnd& front_end) override {
    front_end.SetStatus("ファイル情報収集中...");
    const fs::path folder = session_.options.SearchDir;
    if (fs::exists(folder / "wait-for-cancel")) {
      WaitForCancel(folder, state, front_end);
      return;
    }
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      count += entry.path().extension() == ".gif" ? 1 : 0;
    }
    if (count == 0) {
      ShowMessage(front_end, "指定されたフォルダには画像ファイルが存在しません。", kStyleWarning);
      return;
    }
    if (fs::exists(folder / "fail-the-run")) {
      ShowMessage(front_end, "次の理由により処理を中止します。\r\n\r\nstand-in failure",
                  kStyleStop);
      state.RunAborted = true;
      return;
    }
    const GalleryOptions& options = session_.options;
    std::ofstream(OutputFolder(options, session_.default_output_folder, session_.style) +
                  PageFileName(options.FileName, IsUnlimited(options), 1))
        << count << " pictures\n";
    state.ImageCount = count;
    state.PageToOpen = PageToOpen(options, 1, session_.default_output_folder, session_.style);
  }

 private:
  static void WaitForCancel(const fs::path& folder, RunState& state, FrontEnd& front_end) {
    std::ofstream(folder / "running") << "yes\n";
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < give_up) {
      if (front_end.YieldEvents()) {
        state.CancelRequested = true;
        state.ImageCount = 0;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    state.RunAborted = true;
  }

  Session& session_;
};

}  // namespace
}  // namespace pictavue

int main(int argc, char** argv) {
  return pictavue::RunBatch(
      argc > 0 ? argv[0] : "", std::vector<std::string>(argv + 1, argv + argc), std::cout,
      std::cerr,
      [](pictavue::Session& session) { return std::make_unique<pictavue::StandInRun>(session); });
}
