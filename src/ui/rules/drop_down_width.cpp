#include "ui/rules/drop_down_width.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace pictavue {
namespace {

constexpr double kEntryWidthFactor = 1.08;  // room for the list's borders and scroll bar

// Nearest whole number, an exact half to the even neighbour; absurd measurements are clamped
// so that the conversion to an integer stays defined.
std::int64_t RoundHalfEven(double value) {
  constexpr double kLimit = 1e15;
  if (std::isnan(value)) {
    return 0;
  }
  return static_cast<std::int64_t>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

// The screen's twips per pixel as an integer divisor. Below 1 it would divide by zero (an
// unknown or absurd screen); 1 keeps the widths finite.
std::int64_t TwipsPerPixelDivisor(double twips_per_pixel) {
  return std::max<std::int64_t>(1, RoundHalfEven(twips_per_pixel));
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

int DropDownCap(double box_width_twips, double twips_per_pixel) {
  const std::int64_t doubled_width = std::max<std::int64_t>(0, RoundHalfEven(box_width_twips * 2));
  return ClampToInt(doubled_width / TwipsPerPixelDivisor(twips_per_pixel));
}

int DropDownWidthFor(std::string_view text, const MeasureTextTwips& measure, double twips_per_pixel,
                     DropDownWidth& width) {
  const std::int64_t pixels = RoundHalfEven(measure(text)) / TwipsPerPixelDivisor(twips_per_pixel);
  const int entry_width =
      ClampToInt(RoundHalfEven(static_cast<double>(pixels) * kEntryWidthFactor));
  if (entry_width > width.cap) {
    width.widest = width.cap;
  } else if (entry_width > width.widest) {
    width.widest = entry_width;
  }
  return width.widest;
}

}  // namespace pictavue
