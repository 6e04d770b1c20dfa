#include "settings/help_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

TEST(HelpFileTest, TopicsTitlesAndTexts) {
  for (const auto& c : testing::CaseTable("settings/help_file.txt", "topics")) {
    std::vector<std::string> found;
    for (const auto& [number, topic] : ParseHelpTopics(c[0])) {
      found.insert(found.end(), {std::to_string(number), topic.title, topic.text});
    }
    EXPECT_EQ(found, std::vector<std::string>(c.begin() + 1, c.end())) << c;
  }
}

TEST(HelpFileTest, FilesThatCannotBeReadAndTheShippedOne) {
  testing::TempFolder folder;
  EXPECT_TRUE(ReadHelpFile(folder.Path("missing.hlp")).empty());
  EXPECT_TRUE(ReadHelpFile(folder.MakeFolder("folder.hlp")).empty());
  EXPECT_TRUE(ReadHelpFile("").empty());
  // Too large to be a help file: nothing of it counts, not even its first topics.
  const std::string at_limit = "@2 t\n" + std::string(kMaxHelpFileBytes - 5, 'x');
  EXPECT_EQ(ReadHelpFile(folder.WriteFile("limit.hlp", at_limit)).size(), 1U);
  EXPECT_TRUE(ReadHelpFile(folder.WriteFile("large.hlp", at_limit + "x")).empty());

  // Every topic the main window uses (2 to 32) has a title and a text, and no line that looks
  // like a topic was lost to a bad header.
  const HelpTopicMap topics = ReadHelpFile(testing::SourcePath("resources/pictavue.hlp"));
  for (int number = 2; number <= 32; ++number) {
    ASSERT_EQ(topics.count(number), 1U) << "topic " << number;
    EXPECT_FALSE(topics.at(number).title.empty()) << "topic " << number;
    EXPECT_FALSE(topics.at(number).text.empty()) << "topic " << number;
    EXPECT_EQ(topics.at(number).text.find('\r'), std::string::npos) << "topic " << number;
  }
  EXPECT_EQ(topics.size(), 31U);
}

}  // namespace
}  // namespace pictavue
