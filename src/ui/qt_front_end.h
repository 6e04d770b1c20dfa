#pragma once

#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <string>

#include "generate/front_end.h"

class QLabel;
class QProgressBar;

namespace pictavue {

class frmMain;

// What a message-box style asks for, in the platform's numbering: buttons in the low four bits
// (0 OK, 1 OK Cancel, 2 Abort Retry Ignore, 3 Yes No Cancel, 4 Yes No, 5 Retry Cancel), the
// icon in the next four (16 stop, 32 question, 48 warning, 64 information) and the default
// button in the next (0 the first, 256 the second, 512 the third).
struct MessageBoxLook {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;  // in the order the platform shows them
  QMessageBox::StandardButton default_button = QMessageBox::Ok;
};

MessageBoxLook MessageBoxLookFor(int style);

// The platform's number of a pressed button: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes,
// 7 No.
int ButtonNumber(QMessageBox::StandardButton button);

// The windowed program's front end: message boxes over the active window, pointing at the main
// window's controls, and the run in a modal progress window with a status line, a progress bar
// and a cancel button.
class QtFrontEnd final : public FrontEnd {
 public:
  // The progress window starts the run this long after it appeared, when it is on screen.
  static constexpr int kRunDelayMs = 500;

  explicit QtFrontEnd(frmMain& window) : window_(window) {}

  int ShowMessageBox(const std::string& prompt, int style, const std::string& title) override;
  void PointAt(int tab_page, ControlId control, FocusAction action) override;
  void SetStatus(const std::string& text) override;
  void RunModal(const std::function<void()>& run) override;
  void ProcessEvents() override;
  void SetProgressRange(int min, int max) override;
  void SetProgressValue(int value) override;
  bool YieldEvents() override;

 private:
  frmMain& window_;
  QPointer<QLabel> status_;
  QPointer<QProgressBar> bar_;
  bool cancel_requested_ = false;
};

}  // namespace pictavue
