#include "platform/translation.h"

#include <cstdint>
#include <regex>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/ascii_case.h"
#include "support/cases.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

// The pieces of a file as lrelease writes it: tagged fields with big-endian lengths, UTF-16BE
// translations, messages closed by tag 1.
std::string Be32(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
          static_cast<char>(value >> 8), static_cast<char>(value)};
}
std::string Field(char tag, std::string_view bytes) {
  return tag + Be32(static_cast<std::uint32_t>(bytes.size())) + std::string(bytes);
}
std::string Message(std::string_view context, std::string_view source, std::u16string_view english,
                    std::string_view comment = "") {
  std::string utf16;
  for (const char16_t unit : english) {
    utf16 += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
  }
  return Field(3, utf16) + Field(8, comment) + Field(6, source) + Field(7, context) + "\x01";
}
std::string Qm(std::string_view messages) {
  return "\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD" + Field('\xA7', "en") +
         Field('\x42', Be32(1) + Be32(0)) + Field('\x69', messages);
}

TEST(TranslationTest, ReadsLreleaseFilesFillsEachPlaceholderOnceAndRefusesAnythingOutOfPlace) {
  const std::string good = Message("Run", "確認", u"Check") + Message("Run", "空", u"") +
                           Message("Run", "注", u"Noted", "a comment") +
                           Message("Other", "確認", u"Other check") +
                           Message("Run", "絵", u"\xD83D\xDDBC \xD800!");
  const std::optional<Translation> read = Translation::FromQm(Qm(good));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Of(PICTAVUE_TEXT("Run", "確認")), "Check");
  EXPECT_EQ(read->Of("Other", "確認"), "Other check");
  EXPECT_EQ(read->Of("Run", "空"), "空");  // unfinished: empty
  EXPECT_EQ(read->Of("Run", "注"), "注");  // a comment marks another text than ours
  EXPECT_EQ(read->Of("Run", "絵"), "\xF0\x9F\x96\xBC \xEF\xBF\xBD!");
  EXPECT_EQ(read->Of("Run", "無い"), "無い");
  EXPECT_EQ(read->Format(PICTAVUE_TEXT("Run", "%1 と %2 (%3)"), {"%2", "b"}), "%2 と b (%3)");

  const std::string one = Message("Run", "確認", u"Check");
  const std::pair<const char*, std::string> bad[] = {
      {"no magic", Qm(one).substr(1)},
      {"block longer than the file", Qm(one).substr(0, Qm(one).size() - 1)},
      {"text longer than its message", Qm(Field(3, "0123456789").substr(0, 7))},
      {"odd UTF-16", Qm(Field(3, "abc") + "\x01")},
      {"unknown tag", Qm("\x05" + one)},
      {"no end tag", Qm(one.substr(0, one.size() - 1))},
      {"too large", Qm(one + std::string(1024 * 1024, '\x01'))},
  };
  for (const auto& [label, bytes] : bad) {
    EXPECT_FALSE(Translation::FromQm(bytes)) << label;
  }
}

// Every translation keeps its source's placeholders, so no folder or path drops out of a message,
// and its access key, so that keyboard use is the same in both languages.
TEST(TranslationTest, TheEnglishTranslationKeepsPlaceholdersAndAccessKeys) {
  const std::string ts =
      testing::ReadFileBytes(testing::SourcePath("resources/translations/pictavue_en.ts"));
  const auto marks = [](const std::string& text) {  // an access key in either letter case
    static const std::regex kMark("%[1-9]|&AMP;[^&;]");
    const std::string upper = AsciiUpper(text);
    return std::set<std::string>(std::sregex_token_iterator(upper.begin(), upper.end(), kMark),
                                 std::sregex_token_iterator());
  };
  static const std::regex kMessage(
      "<source>([\\s\\S]*?)</source>\\s*<translation>([\\s\\S]*?)</translation>");
  int messages = 0;
  for (auto it = std::sregex_iterator(ts.begin(), ts.end(), kMessage); it != std::sregex_iterator();
       ++it, ++messages) {
    EXPECT_EQ(marks((*it)[1]), marks((*it)[2])) << (*it)[1];
  }
  EXPECT_GT(messages, 100);
}

}  // namespace
}  // namespace pictavue
