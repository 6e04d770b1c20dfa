#include "ui/rules/drop_down_width.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"

namespace pictavue {
namespace {

TEST(DropDownWidthTest, DropDownCapIsTwiceTheBoxWidthInPixels) {
  for (const testing::Row& row : testing::ReadTable("ui/drop_down_cap.tsv")) {
    EXPECT_EQ(DropDownCap(std::stod(row[0]), std::stod(row[1])), std::stoi(row[2])) << row.Text();
  }
}

TEST(DropDownWidthTest, DropDownWidthOnlyGrowsUpToTheCap) {
  // The measure is the text's length times 150 twips, or a fixed value for texts of one letter.
  const MeasureTextTwips measure = [](std::string_view text) {
    if (text == "h") {
      return 1514.5;  // half to even: 1514 / 15 = 100 pixels (half up would give 101)
    }
    if (text == "i") {
      return 1515.5;  // 1516 / 15 = 101 pixels
    }
    return static_cast<double>(text.size()) * 150.0;
  };
  DropDownWidth width{DropDownCap(2400, 15), 0};  // cap 320
  struct Step {
    std::string text;
    int widest;
  };
  const Step steps[] = {
      {"", 0},
      {"h", 108},                   // 100 * 1.08
      {"i", 109},                   // 101 * 1.08 = 109.08
      {"short", 109},               // 50 pixels: narrower, no change
      {std::string(25, 'x'), 270},  // 250 * 1.08
      {std::string(29, 'x'), 313},  // 290 * 1.08 = 313.2
      {std::string(30, 'x'), 320},  // 300 * 1.08 = 324, over the cap
      {"short", 320},
  };
  for (const Step& step : steps) {
    const int returned = DropDownWidthFor(step.text, measure, 15, width);
    EXPECT_EQ(returned, step.widest) << "text: " << step.text;
    EXPECT_EQ(width.widest, returned);
  }
  // A measure gone wrong gives the cap at most, and never shrinks the list.
  DropDownWidth absurd{320, 0};
  for (const double twips : {1e300, std::nan("")}) {
    EXPECT_EQ(DropDownWidthFor(
                  "x", [twips](std::string_view) { return twips; }, 15, absurd),
              320);
  }
  DropDownWidth no_cap{0, 0};
  EXPECT_EQ(DropDownWidthFor("x", measure, 15, no_cap), 0);
}

}  // namespace
}  // namespace pictavue
