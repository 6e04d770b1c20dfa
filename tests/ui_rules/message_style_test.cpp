#include "ui/rules/message_style.h"

#include <vector>

#include <gtest/gtest.h>

#include "generate/front_end.h"

namespace pictavue {
namespace {

TEST(MessageStyleTest, ButtonsIconAndDefaultComeFromTheStyleBits) {
  struct Case {
    int style;
    std::vector<int> buttons;
    int default_button;
    MessageIcon icon;
  };
  const int yes_no[] = {kButtonYes, kButtonNo};
  for (const Case& c : {
           Case{kStyleStop, {kButtonOk}, kButtonOk, MessageIcon::kStop},
           Case{kStyleWarning, {kButtonOk}, kButtonOk, MessageIcon::kWarning},
           Case{kStyleQuestion, {yes_no[0], yes_no[1]}, kButtonYes, MessageIcon::kQuestion},
           Case{kStyleQuestionDefaultNo, {yes_no[0], yes_no[1]}, kButtonNo, MessageIcon::kQuestion},
           Case{0, {kButtonOk}, kButtonOk, MessageIcon::kNone},
           Case{1, {kButtonOk, kButtonCancel}, kButtonOk, MessageIcon::kNone},
           Case{64 + 3 + 512,
                {kButtonYes, kButtonNo, kButtonCancel},
                kButtonCancel,
                MessageIcon::kInformation},
           Case{48 + 512, {kButtonOk}, kButtonOk, MessageIcon::kWarning},  // default beyond the set
           Case{7, {kButtonOk}, kButtonOk, MessageIcon::kNone},            // unknown button set
       }) {
    const MessageLook look = LookOfStyle(c.style);
    EXPECT_EQ(look.buttons, c.buttons) << c.style;
    EXPECT_EQ(look.default_button, c.default_button) << c.style;
    EXPECT_EQ(look.icon, c.icon) << c.style;
  }
}

TEST(MessageStyleTest, EveryLineBreakBecomesOne) {
  for (const auto& [prompt, text] : {std::pair{"a\r\nb", "a\nb"}, std::pair{"a\rb", "a\nb"},
                                     std::pair{"a\nb", "a\nb"}, std::pair{"a\r", "a\n"}}) {
    EXPECT_EQ(BoxText(prompt), text) << prompt;
  }
}

}  // namespace
}  // namespace pictavue
