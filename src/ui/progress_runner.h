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
  // The window still repaints at about the screen's rate.
  static constexpr int kEventIntervalMs = 16;

  explicit ProgressRunner(ActiveWindow& active_window, QWidget* owner = nullptr);

  // The window the progress window is modal over (the main window).
  void SetOwner(QWidget* owner) { owner_ = owner; }

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
  QElapsedTimer since_events_;
  int pending_value_ = 0;
};

}  // namespace pictavue
