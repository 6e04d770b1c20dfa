#include "support/recording_front_end.h"

namespace pictavue::testing {

std::vector<std::string> RecordingFrontEnd::EventsStartingWith(const std::string& prefix) const {
  std::vector<std::string> matching;
  for (const std::string& event : events_) {
    if (event.starts_with(prefix)) {
      matching.push_back(event);
    }
  }
  return matching;
}

int RecordingFrontEnd::ShowMessageBox(const std::string& prompt, int style,
                                      const std::string& title) {
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

void RecordingFrontEnd::PointAt(int tab_page, ControlId control, FocusAction action) {
  events_.push_back("point " + std::to_string(tab_page) + " " + std::string(ControlName(control)) +
                    (action == FocusAction::kFocusAndSelect ? " select" : " focus"));
}

void RecordingFrontEnd::SetStatus(const std::string& text) {
  events_.push_back("status " + text);
}

void RecordingFrontEnd::RunModal(const std::function<void()>& run) {
  events_.push_back("run begin");
  cancelled_ = false;
  run();
  events_.push_back("run end");
}

void RecordingFrontEnd::ProcessEvents() {
  events_.push_back("process events");
}

void RecordingFrontEnd::SetProgressRange(int min, int max) {
  if (record_progress_) {
    events_.push_back("range " + std::to_string(min) + " " + std::to_string(max));
  }
}

void RecordingFrontEnd::SetProgressValue(int value) {
  progress_value_ = value;
  if (record_progress_) {
    events_.push_back("value " + std::to_string(value));
  }
}

bool RecordingFrontEnd::YieldEvents() {
  ++yield_count_;
  if (cancel_at_yield_ > 0 && yield_count_ >= cancel_at_yield_) {
    cancelled_ = true;
  }
  return cancelled_;
}

}  // namespace pictavue::testing
