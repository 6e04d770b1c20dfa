#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <string>

#include "collect/run_feedback.h"

class QWidget;

namespace pictavue {

class ActiveWindow;
class frmProgress;

// The run side of the Qt front end: shows the progress window modally for each run and serves
// the run's status line, progress bar, yields and cancel question.
//
// A run yields after every file it lists and every picture it measures, a few microseconds of
// work each, while one pass of the event loop costs far more. So the events run only when
// kEventInterval has passed since they last ran (the window still repaints and answers the
// button many times a second), and the bar's value reaches the widget only then; the cancel
// question is answered at every yield, from what the last pass of events has set.
class ProgressRunner final : public RunFeedback {
 public:
  // Measured (bench/progress_benchmark, offscreen, 32,000 pictures, 133,000 yields of about
  // 9 microseconds of work each): events at every yield made the run up to 1.5 times as long as
  // without a window; every 16 ms, about 1.1 times, while the window repaints at about the
  // screen's rate.
  static constexpr int kEventIntervalMs = 16;

  // owner: the window the progress window is modal over (the main window). event_interval_ms
  // other than kEventIntervalMs is for measuring.
  explicit ProgressRunner(ActiveWindow& active_window, QWidget* owner = nullptr,
                          int event_interval_ms = kEventIntervalMs);

  // Shows a fresh progress window modally, calls run once the window is on screen, and returns
  // when run has returned and the window has closed.
  void RunModal(const std::function<void()>& run);

  // lblStatus. Nothing happens outside a run.
  void SetStatus(const std::string& text);

  void SetProgressRange(int min, int max) override;
  void SetProgressValue(int value) override;
  bool YieldEvents() override;

  // One pass of the event loop, whenever it is asked for.
  void ProcessEvents();

  // The window of the run under way; nullptr outside a run. For tests and screenshots.
  frmProgress* Window() const { return window_; }

 private:
  void ShowPendingValue();

  ActiveWindow& active_window_;
  QPointer<QWidget> owner_;
  frmProgress* window_ = nullptr;
  int event_interval_ms_;
  QElapsedTimer since_events_;
  int pending_value_ = 0;
};

}  // namespace pictavue
