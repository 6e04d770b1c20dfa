// Times one generation run over many small pictures on disk, phase by phase, with the real
// listing, plug-ins, loader and page files.
//
//   run_benchmark [PICTURES [FOLDERS]]     32000 pictures in 1000 folders when not given

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "generate/page_layout.h"
#include "run_corpus.h"

namespace pictavue {
namespace {

using Clock = std::chrono::steady_clock;

// A front end that notes when each phase begins and otherwise stays out of the way.
class TimingFrontEnd final : public FrontEnd {
 public:
  struct Mark {
    std::string status;
    Clock::time_point at;
  };

  int ShowMessageBox(const std::string& prompt, int, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", prompt.c_str());
    return kButtonOk;
  }
  void PointAt(int, ControlId, FocusAction) override {}
  void SetStatus(const std::string& text) override { marks_.push_back({text, Clock::now()}); }
  void RunModal(const std::function<void()>& run) override { run(); }
  void ProcessEvents() override {}
  void SetProgressRange(int, int) override {}
  void SetProgressValue(int) override {}
  bool YieldEvents() override { return false; }

  const std::vector<Mark>& marks() const { return marks_; }

 private:
  std::vector<Mark> marks_;
};

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void TimeRun(const char* title, const GalleryOptions& options, const RunEnvironment& environment) {
  TimingFrontEnd front_end;
  RunState state;
  const Clock::time_point start = Clock::now();
  RunGeneration(environment, options, state, front_end);
  const Clock::time_point end = Clock::now();

  std::printf("%s: %d pictures, %d pages, %s\n", title, state.ImageCount, state.PageCount,
              state.RunAborted ? "aborted" : "done");
  const std::vector<TimingFrontEnd::Mark>& marks = front_end.marks();
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const Clock::time_point next = i + 1 < marks.size() ? marks[i + 1].at : end;
    std::printf("  %-28s %9.1f ms\n", marks[i].status.c_str(), Milliseconds(marks[i].at, next));
  }
  std::printf("  %-28s %9.1f ms\n", "whole run", Milliseconds(start, end));
}

}  // namespace
}  // namespace pictavue

int main(int argc, char** argv) {
  using namespace pictavue;
  const int pictures = argc > 1 ? std::atoi(argv[1]) : 32000;
  const int folders = argc > 2 ? std::atoi(argv[2]) : 1000;
  if (pictures <= 0 || folders <= 0 || pictures > kMaxImages) {
    std::fprintf(stderr, "usage: run_benchmark [PICTURES [FOLDERS]]\n");
    return 2;
  }
  bench::ScratchFolder folder;
  bench::MakeCorpus(folder, pictures, folders);
  const bench::RealServices services(PICTAVUE_PLUGIN_FOLDER, folder.MakeFolder("out"));
  const RunEnvironment& environment = services.environment();

  GalleryOptions options;
  options.SearchDir = folder.Path("corpus");
  options.JPEG = options.PNG = kChecked;
  options.OutputDir = kOutputDirChosen;
  options.DirName = folder.Path("out");
  options.FrameMenu = kChecked;
  std::printf(
      "%s, code page %s\n",
      services.plugins().names().PngPluginName.empty() ? "no PNG plug-in" : "plug-ins loaded",
      services.code_page().name().c_str());
  // A first run warms the file system's caches, as a second Create press would find them.
  TimeRun("first run, 100 per page", options, environment);
  TimeRun("second run, 100 per page", options, environment);
  options.IPP = kIppUnlimited;
  TimeRun("one page of every picture", options, environment);
  return 0;
}
