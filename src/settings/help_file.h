#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pictavue {

// The help file beside the program (pictavue.hlp for the program pictavue): the numbered topics
// that the windows show as context help. It is a UTF-8 text file the project writes:
//
//   ; Lines before the first topic are remarks.
//   @2 検索フォルダ
//   The text of topic 2, any number of lines,
//
//   blank lines included, up to the next topic.
//   @3 参照
//   ...
//
// - A line that starts with "@" and a digit begins a topic: the number (0 to kMaxHelpTopic, at
//   most five digits), then, after blanks, the topic's title. A header whose number is too large
//   or runs into other characters begins nothing: its lines are skipped up to the next topic.
// - A text line that must start with "@" is written with "@@"; the first "@" is dropped.
// - The text keeps its lines (joined with "\n"); blank lines at its start and end are dropped.
// - Lines end in LF, CR LF or CR alone; a byte-order mark at the start is skipped.
// - When a number appears twice, the first topic counts.
// - A file larger than kMaxHelpFileBytes is no help file: nothing is read from it.

inline constexpr int kMaxHelpTopic = 65535;
inline constexpr std::size_t kMaxHelpFileBytes = 1024 * 1024;
inline constexpr char kHelpFileExtension[] = ".hlp";

struct HelpTopic {
  std::string title;
  std::string text;

  bool operator==(const HelpTopic&) const = default;
};

using HelpTopicMap = std::map<int, HelpTopic>;

// The topics of the help file's text.
HelpTopicMap ParseHelpTopics(std::string_view content);

// The paragraphs of a topic's text: its runs of lines between blank lines, each run's lines
// joined with "\n". They are the units its translators translate, one by one.
std::vector<std::string> HelpParagraphs(std::string_view text);

// The topics of the file at path; none when the file is missing, cannot be read or is too
// large. Nothing is reported: a program without help still works.
HelpTopicMap ReadHelpFile(const std::string& path);

}  // namespace pictavue
