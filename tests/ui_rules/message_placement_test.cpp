#include "ui/rules/message_placement.h"

#include "ui_rules/rules_test.h"

namespace pictavue {
namespace {

TEST(MessageBoxPositionTest, CentresOnTheOwnerAndKeepsTheBoxOnScreen) {
  for (const testing::Row& row : testing::ReadTable("ui/message_placement.tsv")) {
    WindowRect owner;
    BoxSize box;
    BoxSize screen;
    std::istringstream(row[0]) >> owner.left >> owner.top >> owner.right >> owner.bottom;
    std::istringstream(row[1]) >> box.width >> box.height;
    std::istringstream(row[2]) >> screen.width >> screen.height;
    const BoxPosition at = MessageBoxPosition(owner, box, screen);
    EXPECT_EQ(std::to_string(at.x) + " " + std::to_string(at.y), row[3]) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
