// pictavue's batch mode with a stand-in for the generation run that waits until it is cancelled
// (writing "running" into the search folder first), so that Ctrl+C reaches a run in progress.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "app/batch_mode.h"
#include "platform/console.h"

namespace pictavue {
namespace {

class WaitForCancelRun final : public GalleryRun {
 public:
  explicit WaitForCancelRun(Session& session) : session_(session) {}

  void Run(RunState& state, FrontEnd& front_end) override {
    front_end.SetStatus("ファイル情報収集中...");
    std::ofstream(std::filesystem::path(session_.options.SearchDir) / "running") << "yes\n";
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

 private:
  Session& session_;
};

}  // namespace
}  // namespace pictavue

int main(int argc, char** argv) {
  return pictavue::RunBatch(argc > 0 ? argv[0] : "", pictavue::ProgramArguments(argc, argv),
                            std::cout, std::cerr, [](pictavue::Session& session) {
                              return std::make_unique<pictavue::WaitForCancelRun>(session);
                            });
}
