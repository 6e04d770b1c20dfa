#include "ui/progress_runner.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "ui/active_window.h"
#include "ui/frm_progress.h"

namespace pictavue {

ProgressRunner::ProgressRunner(ActiveWindow& active_window, QWidget* owner, int event_interval_ms)
    : active_window_(active_window), owner_(owner), event_interval_ms_(event_interval_ms) {}

void ProgressRunner::RunModal(const std::function<void()>& run) {
  frmProgress window(owner_, run);
  active_window_.Track(&window);
  window_ = &window;
  pending_value_ = 0;
  since_events_.invalidate();
  window.exec();
  window_ = nullptr;
  // A message box of the run (no pictures, the abort message) may have been the active window
  // just before the progress window went; the window manager then hands the activation to no
  // one, and the keyboard would be dead until a click.
  if (owner_ && owner_->isVisible()) {
    owner_->activateWindow();
  }
}

void ProgressRunner::SetStatus(const std::string& text) {
  if (window_ != nullptr) {
    window_->lblStatus->setText(QString::fromStdString(text));
  }
}

void ProgressRunner::SetProgressRange(int min, int max) {
  if (window_ != nullptr) {
    window_->ProgressBar1->setRange(min, max);
    pending_value_ = window_->ProgressBar1->value();
  }
}

void ProgressRunner::SetProgressValue(int value) {
  pending_value_ = value;
}

bool ProgressRunner::YieldEvents() {
  if (window_ == nullptr) {
    return false;
  }
  if (!since_events_.isValid() || since_events_.elapsed() >= event_interval_ms_) {
    ShowPendingValue();
    QCoreApplication::processEvents();
    since_events_.start();
  }
  return window_->CancelRequested();
}

void ProgressRunner::ProcessEvents() {
  ShowPendingValue();
  QCoreApplication::processEvents();
  if (window_ != nullptr) {
    since_events_.start();
  }
}

void ProgressRunner::ShowPendingValue() {
  if (window_ != nullptr) {
    window_->ProgressBar1->setValue(pending_value_);
  }
}

}  // namespace pictavue
