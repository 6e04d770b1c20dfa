#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace pictavue {

// The progress window of one generation run: a status line, a bar, and a cancel button that is
// both the default and the cancel button, so that Enter and Esc press it too. Timer1 starts the
// run half a second after the window has come on screen; the window closes itself when the run
// has returned. Every request to close it before then (the close box, Alt+F4) counts as a
// cancel, which the run notices at its next poll. One window per run.
class frmProgress : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kStartDelayMs = 500;

  explicit frmProgress(QWidget* owner, std::function<void()> run);

  // The cancel button has been pressed (or its keys, or a close request) since the window
  // opened. A cancel before the run starts is kept for the run's first poll.
  bool CancelRequested() const { return cancel_requested_; }

  QLabel* lblStatus = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Command1 = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Command1_Click();
  void Timer1_Timer();

  std::function<void()> run_;
  bool cancel_requested_ = false;
  bool armed_ = false;
  bool finished_ = false;
};

}  // namespace pictavue
