#include "ui/rules/message_placement.h"

#include <cmath>

namespace pictavue {
namespace {

constexpr double kBottomFactor = 0.9;

int Nearest(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

BoxPosition MessageBoxPosition(const WindowRect& owner, BoxSize box, BoxSize screen) {
  const double owner_width = owner.right - owner.left;
  const double owner_height = owner.bottom - owner.top;
  BoxPosition position;
  position.x = Nearest(owner_width / 2 + owner.left - box.width / 2.0);
  position.y = Nearest(owner_height / 2 + owner.top - box.height / 2.0);

  if (position.x < 0) {
    position.x = 0;
  }
  if (position.x + box.width > screen.width) {
    position.x = screen.width - box.width;
  }
  if (position.y < 0) {
    position.y = 0;
  }
  if (position.y + box.height > screen.height) {
    position.y = Nearest((screen.height - box.height) * kBottomFactor);
  }
  return position;
}

}  // namespace pictavue
