#include "platform/utf8.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace pictavue {
namespace {

TEST(Utf8Test, DecodesOnlyWellFormedSequencesAndNothingPastTheText) {
  for (const auto& c : testing::CaseTable("platform/code_page.txt", "utf8 decoding")) {
    const Utf8Character decoded = DecodeUtf8(c[0]);
    EXPECT_EQ(decoded.length, static_cast<std::size_t>(c.Int(1))) << c;
    EXPECT_EQ(decoded.length == 0 ? 0 : decoded.code_point, std::stoul(c[2], nullptr, 16)) << c;
  }
  const std::string_view text = "a\xE5\x86\x99";
  EXPECT_EQ(DecodeUtf8(text, 1).code_point, U'写');
  EXPECT_EQ(DecodeUtf8(text, 2).length, 0u);
  EXPECT_EQ(DecodeUtf8(text, 4).length, 0u);
  EXPECT_EQ(DecodeUtf8(text.substr(0, 3), 1).length, 0u);  // the view ends inside the character
}

}  // namespace
}  // namespace pictavue
