#pragma once

#include <deque>
#include <string>
#include <vector>

#include "generate/front_end.h"

namespace pictavue::testing {

// A front end that records what the core asks of it, in order, and answers from a script.
// Every call becomes one line of Events() ("message 48 Pictavue: ...", "point 1 txtFileName
// select", "status ...", "run begin"), so a test compares the whole conversation at once.
// Yields are counted; progress calls are recorded only after RecordProgress(true).
class RecordingFrontEnd : public FrontEnd {
 public:
  // Answers for the next message boxes, in order; when none is left a box answers with its
  // default button (OK, Yes for style 36, No for style 292).
  void QueueAnswer(int button) { answers_.push_back(button); }

  // Cancel is asked for at the n-th call of YieldEvents() (1-based) and stays asked for.
  void CancelAtYield(int n) { cancel_at_yield_ = n; }

  void RecordProgress(bool on) { record_progress_ = on; }

  const std::vector<std::string>& Events() const { return events_; }
  int YieldCount() const { return yield_count_; }

  int ShowMessageBox(const std::string& prompt, int style, const std::string& title) override {
    events_.push_back("message " + std::to_string(style) + " " + title + ": " + prompt);
    if (answers_.empty()) {
      return style == kStyleQuestion            ? kButtonYes
             : style == kStyleQuestionDefaultNo ? kButtonNo
                                                : kButtonOk;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  void PointAt(int tab_page, ControlId control, FocusAction action) override {
    events_.push_back("point " + std::to_string(tab_page) + " " +
                      std::string(ControlName(control)) +
                      (action == FocusAction::kFocusAndSelect ? " select" : " focus"));
  }
  void SetStatus(const std::string& text) override { events_.push_back("status " + text); }
  void RunModal(const std::function<void()>& run) override {
    events_.push_back("run begin");
    cancelled_ = false;
    run();
    events_.push_back("run end");
  }
  void ProcessEvents() override { events_.push_back("process events"); }
  void SetProgressRange(int min, int max) override {
    Progress("range " + std::to_string(min) + " " + std::to_string(max));
  }
  void SetProgressValue(int value) override { Progress("value " + std::to_string(value)); }
  bool YieldEvents() override {
    ++yield_count_;
    cancelled_ = cancelled_ || (cancel_at_yield_ > 0 && yield_count_ >= cancel_at_yield_);
    return cancelled_;
  }

 private:
  void Progress(std::string event) {
    if (record_progress_) {
      events_.push_back(std::move(event));
    }
  }

  std::vector<std::string> events_;
  std::deque<int> answers_;
  int cancel_at_yield_ = 0;
  int yield_count_ = 0;
  bool cancelled_ = false;
  bool record_progress_ = false;
};

}  // namespace pictavue::testing
