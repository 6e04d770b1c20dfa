#include "ui/rules/message_style.h"

#include "ui_rules/rules_test.h"

namespace pictavue {
namespace {

TEST(MessageStyleTest, ButtonsIconAndDefaultComeFromTheStyleBits) {
  const char* const icons[] = {"none", "stop", "question", "warning", "information"};
  for (const testing::Row& row : testing::ReadTable("ui/message_style.tsv")) {
    const MessageLook look = LookOfStyle(std::stoi(row[0]));
    std::string buttons;
    for (const int button : look.buttons) {
      buttons += (buttons.empty() ? "" : " ") + std::to_string(button);
    }
    EXPECT_EQ(buttons, row[1]) << row.Text();
    EXPECT_EQ(std::to_string(look.default_button), row[2]) << row.Text();
    EXPECT_EQ(icons[static_cast<int>(look.icon)], row[3]) << row.Text();
  }
}

TEST(MessageStyleTest, EveryLineBreakBecomesOne) {
  for (const testing::Row& row : testing::ReadTable("ui/message_text.tsv")) {
    EXPECT_EQ(BoxText(row[0]), row[1]) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
