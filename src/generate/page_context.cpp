#include "generate/page_context.h"

#include "generate/html_text.h"
#include "generate/program_info.h"

namespace pictavue {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void AppendTwoDigits(std::string& text, int value) {
  text += static_cast<char>('0' + value / 10 % 10);
  text += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string DateTimeText(const DateTime& time) {
  std::string text;
  text.reserve(19);
  AppendTwoDigits(text, time.Year / 100);
  AppendTwoDigits(text, time.Year % 100);
  text += '/';
  AppendTwoDigits(text, time.Month);
  text += '/';
  AppendTwoDigits(text, time.Day);
  text += ' ';
  AppendTwoDigits(text, time.Hour);
  text += ':';
  AppendTwoDigits(text, time.Minute);
  text += ':';
  AppendTwoDigits(text, time.Second);
  return text;
}

std::string PageTitle(std::string_view title) {
  const std::string_view trimmed = TrimBlanks(title);
  if (trimmed.empty()) {
    return kProductName;
  }
  return std::string(trimmed.substr(0, trimmed.find(kCrLf)));
}

std::string PageHeading(std::string_view title) {
  std::string heading;
  heading.reserve(title.size() + 16);
  std::size_t start = 0;
  for (std::size_t at = title.find(kCrLf); at != std::string_view::npos;
       at = title.find(kCrLf, start)) {
    heading += title.substr(start, at - start);
    heading += "<br>";
    start = at + kCrLf.size();
  }
  heading += title.substr(start);
  return std::string(TrimBlanks(heading));
}

}  // namespace pictavue
