// Measures what the progress window costs a run: one generation run over many small pictures on
// disk, first without a window (as batch mode runs it), then in the progress window with events
// let run at several intervals, round after round. Prints the fastest time of each and its
// ratio to the fastest run without a window: the other runs of a shared machine only ever slow
// a run down.
//
//   progress_benchmark [PICTURES [FOLDERS [ROUNDS]]]   32000 pictures, 1000 folders, 5 rounds

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "generate/generation_run.h"
#include "platform/collation.h"
#include "run_corpus.h"
#include "ui/active_window.h"
#include "ui/progress_runner.h"

namespace pictavue {
namespace {

// Batch mode's share of the work: nothing to show, nothing to wait for.
class NullFrontEnd : public FrontEnd {
 public:
  int ShowMessageBox(const std::string& prompt, int, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", prompt.c_str());
    return kButtonOk;
  }
  void PointAt(int, ControlId, FocusAction) override {}
  void SetStatus(const std::string&) override {}
  void RunModal(const std::function<void()>& run) override { run(); }
  void ProcessEvents() override {}
  void SetProgressRange(int, int) override {}
  void SetProgressValue(int) override {}
  bool YieldEvents() override { return false; }
};

// The run side of the windowed program.
class WindowFrontEnd final : public NullFrontEnd {
 public:
  WindowFrontEnd(ActiveWindow& active, int interval_ms) : runner_(active, nullptr, interval_ms) {}

  void SetStatus(const std::string& text) override { runner_.SetStatus(text); }
  void RunModal(const std::function<void()>& run) override { runner_.RunModal(run); }
  void ProcessEvents() override { runner_.ProcessEvents(); }
  void SetProgressRange(int min, int max) override { runner_.SetProgressRange(min, max); }
  void SetProgressValue(int value) override { runner_.SetProgressValue(value); }
  bool YieldEvents() override {
    ++yields_;
    return runner_.YieldEvents();
  }

  long yields() const { return yields_; }

 private:
  ProgressRunner runner_;
  long yields_ = 0;
};

// The time of the run itself, from inside the front end's modal display: the window's start
// delay is no part of the run.
double TimeRun(FrontEnd& front_end, const RunEnvironment& environment,
               const GalleryOptions& options) {
  double milliseconds = 0;
  RunState state;
  front_end.RunModal([&] {
    QElapsedTimer clock;
    clock.start();
    RunGeneration(environment, options, state, front_end);
    milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  });
  if (state.RunAborted || state.ImageCount == 0) {
    std::fprintf(stderr, "the run made no pages\n");
  }
  return milliseconds;
}

}  // namespace
}  // namespace pictavue

int main(int argc, char** argv) {
  using namespace pictavue;
  QApplication app(argc, argv);
  const int pictures = argc > 1 ? std::atoi(argv[1]) : 32000;
  const int folders = argc > 2 ? std::atoi(argv[2]) : 1000;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
  if (pictures <= 0 || folders <= 0 || rounds <= 0 || pictures > kMaxImages) {
    std::fprintf(stderr, "usage: progress_benchmark [PICTURES [FOLDERS [ROUNDS]]]\n");
    return 2;
  }
  bench::ScratchFolder folder;
  bench::MakeCorpus(folder, pictures, folders);
  const bench::RealServices services(QCoreApplication::applicationDirPath().toStdString(),
                                     folder.MakeFolder("out"));
  const RunEnvironment& environment = services.environment();
  GalleryOptions options;
  options.SearchDir = folder.Path("corpus");
  options.JPEG = options.PNG = kChecked;
  options.DirName = folder.Path("out");

  NullFrontEnd batch;
  TimeRun(batch, environment, options);  // warms the file system's caches
  ActiveWindow active;
  constexpr int kNoWindow = -1;
  const int configurations[] = {kNoWindow, 0, 1, 4, 16, 50};
  std::map<int, double> fastest;
  for (int round = 0; round < rounds; ++round) {
    for (const int interval : configurations) {
      double time = 0;
      if (interval == kNoWindow) {
        time = TimeRun(batch, environment, options);
      } else {
        WindowFrontEnd window(active, interval);
        time = TimeRun(window, environment, options);
      }
      if (round == 0 || time < fastest[interval]) {
        fastest[interval] = time;
      }
    }
  }
  // What one pass of the event loop costs while the window is up, and how often a run yields:
  // their product is what letting events run at every yield would add.
  WindowFrontEnd probe(active, 0);
  double pass_microseconds = 0;
  probe.RunModal([&] {
    constexpr int kPasses = 20000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kPasses; ++i) {
      probe.ProcessEvents();
    }
    pass_microseconds = static_cast<double>(clock.nsecsElapsed()) / 1e3 / kPasses;
    RunState state;
    RunGeneration(environment, options, state, probe);
  });
  std::printf("%d pictures in %d folders: %ld yields, %.1f us a pass of the event loop\n", pictures,
              folders, probe.yields(), pass_microseconds);
  std::printf("fastest of %d rounds\n", rounds);
  std::printf("  without a window            %8.1f ms\n", fastest[kNoWindow]);
  for (const int interval : configurations) {
    if (interval != kNoWindow) {
      std::printf("  window, events every %2d ms  %8.1f ms  %.2f\n", interval, fastest[interval],
                  fastest[interval] / fastest[kNoWindow]);
    }
  }
  return 0;
}
