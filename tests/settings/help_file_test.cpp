#include "settings/help_file.h"

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace pictavue {
namespace {

using namespace std::string_literals;
using testing::TempFolder;

using Topic = std::tuple<int, std::string, std::string>;  // number, title, text

std::vector<Topic> TopicsOf(const HelpTopicMap& topics) {
  std::vector<Topic> list;
  for (const auto& [number, topic] : topics) {
    list.emplace_back(number, topic.title, topic.text);
  }
  return list;
}

TEST(HelpFileTest, ParsesTopicsTitlesAndTexts) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<Topic> expected;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"one topic", "@2 検索フォルダ\n本文\n", {{2, "検索フォルダ", "本文"}}},
      {"lines before the first topic are remarks", "intro\n@3 a\nb", {{3, "a", "b"}}},
      {"several lines and inner blank lines", "@4 t\none\n\ntwo\n", {{4, "t", "one\n\ntwo"}}},
      {"blank lines around the text dropped",
       "@5 t\n\n  \n text \n\n@6 u\nx",
       {{5, "t", " text "}, {6, "u", "x"}}},
      {"no title", "@7\nbody", {{7, "", "body"}}},
      {"title trimmed of blanks", "@8    a  b   \nx", {{8, "a  b", "x"}}},
      {"no text", "@9 t\n@10 u\n", {{9, "t", ""}, {10, "u", ""}}},
      {"CR LF and CR alone", "@11 t\r\na\r\rb\r@12 u\rc", {{11, "t", "a\n\nb"}, {12, "u", "c"}}},
      {"byte-order mark", "\xEF\xBB\xBF@13 t\nx", {{13, "t", "x"}}},
      {"doubled @ escapes a text line",
       "@14 t\n@@15 is no topic\n@x\n@",
       {{14, "t", "@15 is no topic\n@x\n@"}}},
      {"first of a repeated number wins", "@16 first\na\n@16 second\nb", {{16, "first", "a"}}},
      {"leading zeros", "@0017 t\nx", {{17, "t", "x"}}},
      {"largest number", "@65535 t\nx", {{65535, "t", "x"}}},
      {"too large: skipped up to the next topic",
       "@65536 t\nlost\n@18 u\nkept",
       {{18, "u", "kept"}}},
      {"too many digits", "@000001 t\nlost\n@19 u\nkept", {{19, "u", "kept"}}},
      {"number running into letters", "@20x t\nlost\n@21 u\nkept", {{21, "u", "kept"}}},
      {"a tab is no blank after the number", "@22\tt\nlost", {}},
      {"NUL bytes are text", "@23 t\na\0b"s, {{23, "t", "a\0b"s}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TopicsOf(ParseHelpTopics(c.content)), c.expected) << c.name;
  }
}

TEST(HelpFileTest, AFileThatCannotBeReadHasNoTopics) {
  TempFolder folder;
  EXPECT_TRUE(ReadHelpFile(folder.Path("missing.hlp")).empty());
  EXPECT_TRUE(ReadHelpFile(folder.MakeFolder("folder.hlp")).empty());
  EXPECT_TRUE(ReadHelpFile("").empty());

  const std::string small = folder.WriteFile("small.hlp", "@2 t\nx\n");
  EXPECT_EQ(ReadHelpFile(small).size(), 1U);

  // Too large to be a help file: nothing of it counts, not even its first topics.
  std::string large = "@2 t\n";
  large += std::string(kMaxHelpFileBytes, 'x');
  EXPECT_TRUE(ReadHelpFile(folder.WriteFile("large.hlp", large)).empty());
  const std::string at_limit = "@2 t\n" + std::string(kMaxHelpFileBytes - 5, 'x');
  EXPECT_EQ(ReadHelpFile(folder.WriteFile("limit.hlp", at_limit)).size(), 1U);
}

// The help file we ship: every topic the main window uses (2 to 32) has a title and a text, and
// no line that looks like a topic was lost to a bad header.
TEST(HelpFileTest, TheShippedFileHasEveryTopicOfTheMainWindow) {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const std::string path = std::string(source) + "/resources/pictavue.hlp";
  const HelpTopicMap topics = ReadHelpFile(path);
  for (int number = 2; number <= 32; ++number) {
    const auto found = topics.find(number);
    ASSERT_NE(found, topics.end()) << "topic " << number;
    EXPECT_FALSE(found->second.title.empty()) << "topic " << number;
    EXPECT_FALSE(found->second.text.empty()) << "topic " << number;
    EXPECT_EQ(found->second.text.find('\r'), std::string::npos) << "topic " << number;
  }
  EXPECT_EQ(topics.size(), 31U);
}

}  // namespace
}  // namespace pictavue
