#include "platform/code_page_stream.h"

#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/cases.h"

namespace pictavue {
namespace {

TEST(CodePageStream, PassesOnWholeCharactersOnly) {
  for (const auto& c : testing::CaseTable("platform/code_page.txt", "complete prefix")) {
    EXPECT_EQ(CompleteUtf8Prefix(c[0]), static_cast<std::size_t>(c.Int(1))) << c;
  }
  std::ostringstream target;
  {
    CodePageStreamBuf buffer(*target.rdbuf(), CodePage("CP932"));
    std::ostream out(&buffer);
    out << "x\xE3\x81" << std::flush;  // あ in two pieces: nothing of it before its last byte
    EXPECT_EQ(target.str(), "x");
    out << "\x82 \xC3\xA9" << std::flush;  // é is not in Shift_JIS
    EXPECT_EQ(target.str(), "x\x82\xA0 ?");
    out << "\xE3";  // cut short for good: passed on as it is when the stream goes
  }
  EXPECT_EQ(target.str(), "x\x82\xA0 ??");

  std::ostringstream long_target;
  CodePageStreamBuf buffer(*long_target.rdbuf(), CodePage("CP932"));
  std::ostream out(&buffer);
  out << testing::Repeat("\xE3\x81\x82", 3000);  // 3 bytes each in UTF-8, 2 in Shift_JIS
  EXPECT_GE(long_target.str().size(), 2000u) << "passed on without a flush";
  out << std::flush;
  EXPECT_EQ(long_target.str().size(), 6000u);
}

}  // namespace
}  // namespace pictavue
