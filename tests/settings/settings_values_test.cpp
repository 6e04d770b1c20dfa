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
  const std::string words_and_numbers[] = {"TRUE", "tRuE", "-1", "2.5", ".5", "1e3", "2e-400"};
  for (const std::string& text : words_and_numbers) {
    EXPECT_EQ(ParseBoolean(text), true) << text;
  }
  const std::string false_ones[] = {"False", "fALSE", "0", "-0", "0.0", "0E5"};
  for (const std::string& text : false_ones) {
    EXPECT_EQ(ParseBoolean(text), false) << text;
  }
  const std::string neither[] = {
      "",  "yes", "Truex", "1x",  ".",
      "-", "1e",  "1 0",   "0x1", "\xEF\xBC\x91"};  // the last is a full-width "1"
  for (const std::string& text : neither) {
    EXPECT_EQ(ParseBoolean(text), std::nullopt) << text;
  }
}

// A typed backslash-n is stored as it is and comes back as a line break. Every line break,
// not only CR LF, is stored as "\n": a lone LF would split the line in the file.
TEST(SettingsValuesTest, TitleLineBreaksTravelAsBackslashN) {
  struct Case {
    std::string title;   // as txtTitle holds it
    std::string stored;  // as the file holds it
  };
  const Case to_file[] = {
      {"", ""},          {"A\r\nB", "A\\nB"}, {"  A\r\nB  ", "A\\nB"}, {"A\r\n\r\nB", "A\\n\\nB"},
      {"A\nB", "A\\nB"}, {"A\rB", "A\\nB"},   {"A\r\n", "A\\n"},       {"A\\nB", "A\\nB"},
  };
  for (const Case& c : to_file) {
    EXPECT_EQ(TitleForFile(c.title), c.stored) << "title: " << c.title;
  }
  const Case from_file[] = {
      {"", ""},       {"A\r\nB", "A\\nB"}, {"\r\n\r\n", "\\n\\n"},
      {"A\\", "A\\"}, {"A\\N", "A\\N"},    {"\\\r\n", "\\\\n"},
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
      {PathStyle::kWindows, "C:\\Tools\\", "C:\\Tools"},
      {PathStyle::kWindows, "C:\\Tools\\\\", "C:\\Tools"},
      {PathStyle::kWindows, "E:\\", "E:\\"},
      {PathStyle::kWindows, "\\\\server\\share\\", "\\\\server\\share\\"},
      {PathStyle::kWindows, "\\\\server\\share\\app\\", "\\\\server\\share\\app"},
      {PathStyle::kWindows, "C:/Tools/", "C:/Tools/"},  // '/' is no separator here
      {PathStyle::kWindows, "", ""},
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
