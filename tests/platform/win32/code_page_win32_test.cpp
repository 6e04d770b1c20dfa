// The code page converter on the system's own conversion services.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/code_page.h"

namespace pictavue {
namespace {

TEST(CodePageWin32, SystemCodePageIsTheAnsiCodePage) {
  const CodePage system = CodePage::System();
  if (GetACP() == CP_UTF8) {
    EXPECT_TRUE(system.is_utf8());
  } else {
    EXPECT_EQ(system.name(), "CP" + std::to_string(GetACP()));
  }
}

TEST(CodePageWin32, NamesTheSystemKnows) {
  struct Case {
    const char* name;
    bool utf8;
  };
  const std::vector<Case> cases = {
      {"CP932", false}, {"932", false},    {"Shift_JIS", false}, {"cp1252", false},
      {"UTF-8", true},  {"CP65001", true}, {"CP99999", true},    {"no such page", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CodePage(c.name).is_utf8(), c.utf8) << c.name;
  }
  EXPECT_EQ(CodePage("Shift_JIS").FromUtf8("\xE6\x97\xA5", Unmappable::kQuestionMark),
            "\x93\xFA");  // 日
}

TEST(CodePageWin32, NoLookAlikesForMissingCharacters) {
  const CodePage sjis("CP932");
  // The system's "best fit" would write é as e and ½ as 1/2-ish look-alikes.
  EXPECT_EQ(sjis.FromUtf8("caf\xC3\xA9", Unmappable::kQuestionMark), "caf?");
  EXPECT_EQ(sjis.FromUtf8("caf\xC3\xA9", Unmappable::kCharReference), "caf&#233;");
  EXPECT_EQ(CodePage("CP1252").FromUtf8("\xE6\x97\xA5", Unmappable::kCharReference), "&#26085;");
}

TEST(CodePageWin32, TrailBytesThatLookLikeABackslash) {
  const CodePage sjis("CP932");
  // 表 is 95 5C: the second byte is the byte of a backslash.
  EXPECT_EQ(sjis.FromUtf8("\xE8\xA1\xA8", Unmappable::kQuestionMark), "\x95\x5C");
  EXPECT_EQ(sjis.ToUtf8("\x95\x5C"), "\xE8\xA1\xA8");
  EXPECT_EQ(sjis.BoundaryAtOrBefore("a\x95\x5C", 2), 1u);
  EXPECT_EQ(sjis.CutToBytes("a\xE8\xA1\xA8", 2), "a");
}

TEST(CodePageWin32, LongTextsWithABadCharacterFarIn) {
  const CodePage sjis("CP932");
  std::string text(10000, 'a');
  text += "\xC3\xA9";
  text += std::string(5000, 'b');
  const std::string converted = sjis.FromUtf8(text, Unmappable::kQuestionMark);
  EXPECT_EQ(converted, std::string(10000, 'a') + "?" + std::string(5000, 'b'));
  EXPECT_EQ(sjis.ToUtf8(std::string(9000, 'x') + "\x81"), std::string(9000, 'x') + "\xEF\xBF\xBD");
  EXPECT_EQ(sjis.ByteLength(text), 15001u);
}

}  // namespace
}  // namespace pictavue
