#pragma once

#include <functional>
#include <string>

#include "generate/front_end.h"
#include "ui/progress_runner.h"

namespace pictavue {

class ActiveWindow;
class frmMain;

// The windowed program's front end: message boxes over the window activated last, pointing at
// the main window's controls, and the run in the modal progress window.
class QtFrontEnd final : public FrontEnd {
 public:
  QtFrontEnd(frmMain& window, ActiveWindow& active_window);

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
  ActiveWindow& active_window_;
  ProgressRunner runner_;
};

}  // namespace pictavue
