#include "ui/rules/message_placement.h"

#include <vector>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(MessageBoxPositionTest, CentresOnTheOwnerAndKeepsTheBoxOnScreen) {
  struct Case {
    const char* label;
    WindowRect owner;
    BoxSize box;
    BoxSize screen;
    BoxPosition expected;
  };
  constexpr BoxSize kScreen{1024, 768};
  const std::vector<Case> cases = {
      {"centred", {100, 100, 500, 400}, {200, 100}, kScreen, {200, 200}},
      {"half to even, down", {0, 0, 301, 200}, {100, 50}, kScreen, {100, 75}},
      {"half to even, up", {1, 0, 302, 200}, {100, 50}, kScreen, {102, 75}},
      {"near the right edge: pushed left", {900, 100, 1200, 400}, {200, 100}, kScreen, {824, 200}},
      {"beyond the left edge: 0", {-400, 100, -100, 400}, {200, 100}, kScreen, {0, 200}},
      {"partly above the top: 0", {100, -300, 500, 100}, {200, 100}, kScreen, {200, 0}},
      {"near the bottom: 90 % of the free height",
       {100, 600, 500, 900},
       {200, 100},
       kScreen,
       {200, 601}},
      {"bottom exactly fits: not moved", {100, 568, 500, 868}, {200, 100}, kScreen, {200, 668}},
      {"bottom rule rounds half to even (13.5)",
       {0, 100, 100, 300},
       {50, 100},
       {400, 115},
       {25, 14}},
      {"bottom rule rounds half to even (4.5)", {0, 100, 100, 300}, {50, 100}, {400, 105}, {25, 4}},
      {"box wider than the screen", {100, 100, 500, 400}, {1100, 100}, kScreen, {-76, 200}},
      {"box taller than the screen", {100, 100, 500, 400}, {200, 800}, kScreen, {200, -29}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageBoxPosition(c.owner, c.box, c.screen), c.expected) << c.label;
  }
}

}  // namespace
}  // namespace pictavue
