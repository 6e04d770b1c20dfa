#include "ui/rules/drop_down_width.h"

#include <cmath>

#include "ui_rules/rules_test.h"

namespace pictavue {
namespace {

TEST(DropDownWidthTest, DropDownCapIsTwiceTheBoxWidthInPixels) {
  for (const testing::Row& row : testing::ReadTable("ui/drop_down_cap.tsv")) {
    EXPECT_EQ(DropDownCap(std::stod(row[0]), std::stod(row[1])), std::stoi(row[2])) << row.Text();
  }
}

TEST(DropDownWidthTest, DropDownWidthOnlyGrowsUpToTheCap) {
  const MeasureTextTwips measure = [](std::string_view text) {
    return text == "h" ? 1514.5 : text == "i" ? 1515.5 : static_cast<double>(text.size()) * 150.0;
  };
  DropDownWidth width{DropDownCap(2400, 15), 0};
  for (const testing::Row& row : testing::ReadTable("ui/drop_down_width.tsv")) {
    const int returned = DropDownWidthFor(row[0], measure, 15, width);
    EXPECT_EQ(returned, row.Int(1)) << row.Text();
    EXPECT_EQ(width.widest, returned);
  }
  // A measure gone wrong gives the cap at most, and never shrinks the list.
  DropDownWidth absurd{320, 0};
  for (const double twips : {1e300, std::nan("")}) {
    const MeasureTextTwips gone_wrong = [twips](std::string_view) { return twips; };
    EXPECT_EQ(DropDownWidthFor("x", gone_wrong, 15, absurd), 320);
  }
}

}  // namespace
}  // namespace pictavue
