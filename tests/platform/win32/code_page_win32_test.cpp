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
  // The names both systems know are in CodePageTest, which runs here too.
  const std::vector<Case> cases = {
      {"932", false},
      {"Shift_JIS", false},
      {"cp1252", false},
      {"CP99999", true},
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

}  // namespace
}  // namespace pictavue
