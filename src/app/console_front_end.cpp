#include "app/console_front_end.h"

#include <algorithm>
#include <utility>

namespace pictavue {
namespace {

constexpr char kPrefix[] = "Pictavue: ";
constexpr int kBarWidth = 30;
constexpr char kEraseLine[] = "\r\x1b[K";

// The console ends lines with LF alone.
std::string ConsoleLines(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    lines += text[i];
  }
  return lines;
}

bool IsQuestion(int style) {
  return style == kStyleQuestion || style == kStyleQuestionDefaultNo;
}

constexpr SourceText kAnsweredYesAsTold =
    PICTAVUE_TEXT("BatchMode", "「はい」と答えました（--yes）");
constexpr SourceText kAnsweredYes = PICTAVUE_TEXT("BatchMode", "「はい」と答えました（既定）");
constexpr SourceText kAnsweredNo = PICTAVUE_TEXT("BatchMode", "「いいえ」と答えました（既定）");

}  // namespace

std::string ProgressLine(const std::string& status, int min, int max, int value, int width) {
  if (max <= min || width <= 0) {
    return status;
  }
  const long long span = static_cast<long long>(max) - min;
  const long long done = std::clamp(static_cast<long long>(value) - min, 0LL, span);
  const auto filled = static_cast<std::size_t>(done * width / span);
  std::string line = status.empty() ? std::string() : status + " ";
  line += "[" + std::string(filled, '#') +
          std::string(static_cast<std::size_t>(width) - filled, ' ') + "] " +
          std::to_string(done * 100 / span) + "%";
  return line;
}

ConsoleFrontEnd::ConsoleFrontEnd(std::ostream& err, Settings settings)
    : err_(err), settings_(std::move(settings)) {}

int ConsoleFrontEnd::ShowMessageBox(const std::string& prompt, int style, const std::string&) {
  EndProgressLine();
  err_ << kPrefix << ConsoleLines(prompt) << '\n';
  int answer = kButtonOk;
  if (IsQuestion(style)) {
    answer = settings_.answer_yes || style == kStyleQuestion ? kButtonYes : kButtonNo;
    const SourceText said = settings_.answer_yes   ? kAnsweredYesAsTold
                            : answer == kButtonYes ? kAnsweredYes
                                                   : kAnsweredNo;
    err_ << kPrefix << settings_.translation.Of(said) << '\n';
  }
  err_.flush();
  return answer;
}

// There is no control to point at: the message has said what is wrong.
void ConsoleFrontEnd::PointAt(int, ControlId, FocusAction) {}

void ConsoleFrontEnd::SetStatus(const std::string& text) {
  status_ = text;
  DrawProgress();
}

void ConsoleFrontEnd::RunModal(const std::function<void()>& run) {
  cancelled_ = false;
  status_.clear();
  min_ = max_ = value_ = 0;
  run();
  EndProgressLine();
}

void ConsoleFrontEnd::ProcessEvents() {}

void ConsoleFrontEnd::SetProgressRange(int min, int max) {
  min_ = min;
  max_ = max;
  DrawProgress();
}

void ConsoleFrontEnd::SetProgressValue(int value) {
  value_ = value;
  DrawProgress();
}

bool ConsoleFrontEnd::YieldEvents() {
  if (!cancelled_ && settings_.interrupted && settings_.interrupted()) {
    cancelled_ = true;
  }
  return cancelled_;
}

void ConsoleFrontEnd::DrawProgress() {
  if (!settings_.show_progress) {
    return;
  }
  const std::string line = ProgressLine(status_, min_, max_, value_, kBarWidth);
  // Thousands of pictures move the value thousands of times; the terminal is written only when
  // what it shows changes, at most a hundred times a phase.
  if (line == drawn_) {
    return;
  }
  err_ << kEraseLine << line;
  err_.flush();
  drawn_ = line;
}

void ConsoleFrontEnd::EndProgressLine() {
  if (drawn_.empty()) {
    return;
  }
  err_ << kEraseLine;
  err_.flush();
  drawn_.clear();
}

}  // namespace pictavue
