#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "generate/front_end.h"
#include "platform/translation.h"

namespace pictavue {

// The progress line of a terminal: the status, a bar of width cells filled in proportion to
// value between min and max, and the percentage ("ＨＴＭＬ生成中... [#####     ] 50%"). A
// range without width shows the status alone.
std::string ProgressLine(const std::string& status, int min, int max, int value, int width);

// The front end of batch mode: no window, one console. Messages go to the error stream as
// "Pictavue: " and the message; a question is answered at once, by its default button or by Yes
// when told to, and the answer is written after it. Progress is drawn only on a terminal.
class ConsoleFrontEnd final : public FrontEnd {
 public:
  struct Settings {
    bool answer_yes = false;     // --yes
    bool show_progress = false;  // the error stream is a terminal
    // Whether the user has asked to cancel (Ctrl+C); asked at every poll point of the run.
    std::function<bool()> interrupted;
    Translation translation;  // the words of the answers
  };

  ConsoleFrontEnd(std::ostream& err, Settings settings);

  // Whether a cancel was asked for during a run.
  bool cancelled() const { return cancelled_; }

  int ShowMessageBox(const std::string& prompt, int style, const std::string& title) override;
  void PointAt(int tab_page, ControlId control, FocusAction action) override;
  void SetStatus(const std::string& text) override;
  void RunModal(const std::function<void()>& run) override;
  void ProcessEvents() override;
  void SetProgressRange(int min, int max) override;
  void SetProgressValue(int value) override;
  bool YieldEvents() override;

 private:
  void DrawProgress();
  void EndProgressLine();

  std::ostream& err_;
  Settings settings_;
  bool cancelled_ = false;
  std::string status_;
  int min_ = 0;
  int max_ = 0;
  int value_ = 0;
  std::string drawn_;  // the progress line on screen, empty when there is none
};

}  // namespace pictavue
