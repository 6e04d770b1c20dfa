#include "settings/settings_values.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

using namespace std::string_literals;

TEST(SettingsValuesTest, CutAtNulKeepsTheTextBeforeTheNulWithoutOuterBlanks) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {"  C:\\My Photos  ", "C:\\My Photos"},
      {"abc\0def"s, "abc"},
      {" abc \0 def"s, "abc"},
      {"\0abc"s, ""},
      {"\tabc\t", "\tabc\t"},  // only blanks are trimmed
      {"a\r\n", "a\r\n"},
      {"\xE3\x80\x80x\xE3\x80\x80", "\xE3\x80\x80x\xE3\x80\x80"},  // ideographic space stays
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CutAtNul(c.text), c.expected) << "text: " << c.text;
  }
}

TEST(SettingsValuesTest, ParseBooleanAcceptsTheWordsInAnyCaseAndNumbers) {
  struct Case {
    const char* text;
    std::optional<bool> expected;
  };
  const Case cases[] = {
      {"True", true},
      {"TRUE", true},
      {"tRuE", true},
      {"False", false},
      {"FALSE", false},
      {"false", false},
      {"1", true},
      {"-1", true},
      {"0", false},
      {"-0", false},
      {"+0", false},
      {"2.5", true},
      {"0.0", false},
      {".5", true},
      {"5.", true},
      {"0.001", true},
      {"1e3", true},
      {"0E5", false},
      {"2e-400", true},
      {"", std::nullopt},
      {"yes", std::nullopt},
      {"Truex", std::nullopt},
      {"1x", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"1e", std::nullopt},
      {"1 0", std::nullopt},
      {"0x1", std::nullopt},
      {"\xEF\xBC\x91", std::nullopt},  // "１"
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseBoolean(c.text), c.expected) << "text: " << c.text;
  }
  EXPECT_TRUE(BooleanOrDefault("maybe", true));
  EXPECT_FALSE(BooleanOrDefault("", false));
  EXPECT_FALSE(BooleanOrDefault("false", true));
}

TEST(SettingsValuesTest, TitleLineBreaksTravelAsBackslashN) {
  struct Case {
    std::string title;   // as txtTitle holds it
    std::string stored;  // as the file holds it
  };
  const Case to_file[] = {
      {"", ""},          {"A\r\nB", "A\\nB"}, {"  A\r\nB  ", "A\\nB"}, {"A\r\n\r\nB", "A\\n\\nB"},
      {"A\nB", "A\\nB"},  // a lone LF would otherwise split the line in the file
      {"A\rB", "A\\nB"}, {"A\r\n", "A\\n"},   {"A\\nB", "A\\nB"},  // typed backslash-n is stored as
                                                                   // it is...
  };
  for (const Case& c : to_file) {
    EXPECT_EQ(TitleForFile(c.title), c.stored) << "title: " << c.title;
  }
  const Case from_file[] = {
      {"", ""},
      {"A\r\nB", "A\\nB"},  // ...and comes back as a line break
      {"\r\n\r\n", "\\n\\n"},
      {"C:\\\r\n"
       "ew",
       "C:\\\\new"},
      {"A\\", "A\\"},
      {"A\\N", "A\\N"},
      {"\\\r\n", "\\\\n"},
  };
  for (const Case& c : from_file) {
    EXPECT_EQ(TitleFromFile(c.stored), c.title) << "stored: " << c.stored;
  }
}

TEST(SettingsValuesTest, DirNameDefaultDropsTrailingSeparatorsButNotFromARoot) {
  struct Case {
    PathStyle style;
    const char* folder;
    const char* expected;
  };
  const Case cases[] = {
      {PathStyle::kWindows, "C:\\Tools", "C:\\Tools"},
      {PathStyle::kWindows, "C:\\Tools\\", "C:\\Tools"},
      {PathStyle::kWindows, "C:\\Tools\\\\", "C:\\Tools"},
      {PathStyle::kWindows, "E:\\", "E:\\"},
      {PathStyle::kWindows, "\\\\server\\share\\", "\\\\server\\share\\"},
      {PathStyle::kWindows, "\\\\server\\share\\app\\", "\\\\server\\share\\app"},
      {PathStyle::kWindows, "C:/Tools/", "C:/Tools/"},  // '/' is no separator here
      {PathStyle::kWindows, "", ""},
      {PathStyle::kPosix, "/opt/pictavue", "/opt/pictavue"},
      {PathStyle::kPosix, "/opt/pictavue/", "/opt/pictavue"},
      {PathStyle::kPosix, "/", "/"},
      {PathStyle::kPosix, "//", "/"},
      {PathStyle::kPosix, "C:\\Tools\\", "C:\\Tools\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderWithoutTrailingSeparator(c.folder, c.style), c.expected)
        << "folder: " << c.folder;
  }
}

}  // namespace
}  // namespace pictavue
