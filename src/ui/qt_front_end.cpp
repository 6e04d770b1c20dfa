#include "ui/qt_front_end.h"

#include "ui/active_window.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

namespace pictavue {

QtFrontEnd::QtFrontEnd(frmMain& window, ActiveWindow& active_window)
    : window_(window), active_window_(active_window), runner_(active_window, &window) {}

int QtFrontEnd::ShowMessageBox(const std::string& prompt, int style, const std::string& title) {
  return ShowStyledMessageBox(prompt, style, title, active_window_.Handle());
}

void QtFrontEnd::PointAt(int tab_page, ControlId control, FocusAction action) {
  window_.PointAt(tab_page, control, action);
}

void QtFrontEnd::SetStatus(const std::string& text) {
  runner_.SetStatus(text);
}

void QtFrontEnd::RunModal(const std::function<void()>& run) {
  runner_.RunModal(run);
}

void QtFrontEnd::ProcessEvents() {
  runner_.ProcessEvents();
}

void QtFrontEnd::SetProgressRange(int min, int max) {
  runner_.SetProgressRange(min, max);
}

void QtFrontEnd::SetProgressValue(int value) {
  runner_.SetProgressValue(value);
}

bool QtFrontEnd::YieldEvents() {
  return runner_.YieldEvents();
}

}  // namespace pictavue
