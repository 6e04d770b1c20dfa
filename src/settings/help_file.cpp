#include "settings/help_file.h"

#include <optional>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/blanks.h"
#include "platform/file_io.h"
#include "platform/text_lines.h"

namespace pictavue {
namespace {

constexpr std::size_t kMaxTopicDigits = 5;

bool IsHeader(std::string_view line) {
  return line.size() >= 2 && line[0] == '@' && IsAsciiDigit(line[1]);
}

struct Header {
  int number = 0;
  std::string title;
};

// The number and title of a header line; nothing when the number is not one.
std::optional<Header> ParseHeader(std::string_view line) {
  std::size_t end = 1;
  int number = 0;
  while (end < line.size() && IsAsciiDigit(line[end])) {
    if (end > kMaxTopicDigits) {
      return std::nullopt;
    }
    number = number * 10 + (line[end] - '0');
    ++end;
  }
  if (number > kMaxHelpTopic || (end < line.size() && line[end] != ' ')) {
    return std::nullopt;
  }
  return Header{number, std::string(TrimBlanks(line.substr(end)))};
}

bool IsBlank(std::string_view line) {
  return TrimBlanksAndTabs(line).empty();
}

std::string JoinText(const std::vector<std::string_view>& lines) {
  std::size_t first = 0;
  std::size_t last = lines.size();
  while (first < last && IsBlank(lines[first])) {
    ++first;
  }
  while (last > first && IsBlank(lines[last - 1])) {
    --last;
  }
  std::string text;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) {
      text += '\n';
    }
    text += lines[i];
  }
  return text;
}

}  // namespace

HelpTopicMap ParseHelpTopics(std::string_view content) {
  if (content.starts_with(kUtf8ByteOrderMark)) {
    content.remove_prefix(kUtf8ByteOrderMark.size());
  }
  HelpTopicMap topics;
  std::optional<Header> current;
  std::vector<std::string_view> body;
  const auto finish_topic = [&] {
    if (current) {
      topics.emplace(current->number, HelpTopic{std::move(current->title), JoinText(body)});
    }
    current.reset();
    body.clear();
  };
  bool in_topic = false;  // false before the first header and after a header that is none
  for (std::string_view line : SplitLines(content)) {
    if (IsHeader(line)) {
      finish_topic();
      current = ParseHeader(line);
      in_topic = current.has_value();
      continue;
    }
    if (!in_topic) {
      continue;
    }
    if (line.substr(0, 2) == "@@") {
      line.remove_prefix(1);
    }
    body.push_back(line);
  }
  finish_topic();
  return topics;
}

std::vector<std::string> HelpParagraphs(std::string_view text) {
  std::vector<std::string> paragraphs;
  std::vector<std::string_view> lines;
  const auto finish_paragraph = [&] {
    if (!lines.empty()) {
      paragraphs.push_back(JoinText(lines));
    }
    lines.clear();
  };
  for (const std::string_view line : SplitLines(text)) {
    if (IsBlank(line)) {
      finish_paragraph();
    } else {
      lines.push_back(line);
    }
  }
  finish_paragraph();
  return paragraphs;
}

HelpTopicMap ReadHelpFile(const std::string& path) {
  const ReadResult read = ReadFileBounded(path, kMaxHelpFileBytes);
  if (!read.status.ok() || read.truncated) {
    return {};
  }
  return ParseHelpTopics(read.bytes);
}

}  // namespace pictavue
