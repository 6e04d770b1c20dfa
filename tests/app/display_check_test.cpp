#include "app/display_check.h"

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(DisplayCheckTest, RouteByWhatIsSetEmptyCountingAsUnset) {
  // Qt platform, DISPLAY, WAYLAND_DISPLAY.
  const std::pair<DisplayEnvironment, DisplayRoute> cases[] = {
      {{"", "", ""}, DisplayRoute::kNone},
      {{"offscreen", "", ""}, DisplayRoute::kQtDecides},
      {{"xcb", ":0", "wayland-0"}, DisplayRoute::kQtDecides},
      {{"", ":0", "wayland-0"}, DisplayRoute::kX11},
      {{"", "", "wayland-0"}, DisplayRoute::kWayland},
  };
  for (const auto& [environment, route] : cases) {
    EXPECT_EQ(ChooseDisplayRoute(environment), route)
        << environment.qt_platform << "|" << environment.x11_display;
  }
  EXPECT_EQ(WaylandSocketPath("wayland-0", "/run/user/1"), "/run/user/1/wayland-0");
  EXPECT_EQ(WaylandSocketPath("/tmp/w", "/run/user/1"), "/tmp/w");
  EXPECT_EQ(WaylandSocketPath("wayland-0", ""), "");
}

}  // namespace
}  // namespace pictavue
