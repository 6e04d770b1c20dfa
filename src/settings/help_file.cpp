#include "settings/help_file.h"

#include <optional>
#include <vector>

#include "platform/file_io.h"

namespace pictavue {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kMaxTopicDigits = 5;

bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(content.substr(start));
      break;
    }
    lines.push_back(content.substr(start, end - start));
    start = end + 1;
    if (content[end] == '\r' && start < content.size() && content[start] == '\n') {
      ++start;
    }
  }
  return lines;
}

bool IsHeader(std::string_view line) {
  return line.size() >= 2 && line[0] == '@' && IsDigit(line[1]);
}

std::string_view TrimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Header {
  int number = 0;
  std::string title;
};

// The number and title of a header line; nothing when the number is not one.
std::optional<Header> ParseHeader(std::string_view line) {
  std::size_t end = 1;
  int number = 0;
  while (end < line.size() && IsDigit(line[end])) {
    if (end > kMaxTopicDigits) {
      return std::nullopt;
    }
    number = number * 10 + (line[end] - '0');
    ++end;
  }
  if (number > kMaxHelpTopic || (end < line.size() && line[end] != ' ')) {
    return std::nullopt;
  }
  return Header{number, std::string(TrimmedBlanks(line.substr(end)))};
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
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
  if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    content.remove_prefix(kByteOrderMark.size());
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
