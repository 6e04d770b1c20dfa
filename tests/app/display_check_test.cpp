#include "app/display_check.h"

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(DisplayCheckTest, RouteByWhatIsSetEmptyCountingAsUnset) {
  struct Case {
    DisplayEnvironment environment;  // platform, DISPLAY, WAYLAND_DISPLAY
    DisplayRoute route;
  };
  const Case cases[] = {
      {{"", "", ""}, DisplayRoute::kNone},
      {{"offscreen", "", ""}, DisplayRoute::kQtDecides},
      {{"xcb", ":0", "wayland-0"}, DisplayRoute::kQtDecides},
      {{"", ":0", ""}, DisplayRoute::kX11},
      {{"", ":0", "wayland-0"}, DisplayRoute::kX11},
      {{"", "", "wayland-0"}, DisplayRoute::kWayland},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseDisplayRoute(c.environment), c.route)
        << c.environment.qt_platform << "|" << c.environment.x11_display << "|"
        << c.environment.wayland_display;
  }
  EXPECT_EQ(WaylandSocketPath("wayland-0", "/run/user/1000"), "/run/user/1000/wayland-0");
  EXPECT_EQ(WaylandSocketPath("/tmp/w", "/run/user/1000"), "/tmp/w");
  EXPECT_EQ(WaylandSocketPath("wayland-0", ""), "");
}

}  // namespace
}  // namespace pictavue
