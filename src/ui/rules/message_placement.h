#pragma once

namespace pictavue {

// A window's rectangle on the screen in pixels, as the system reports it (right and bottom are
// one past the last pixel).
struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct BoxSize {
  int width = 0;
  int height = 0;
};

struct BoxPosition {
  int x = 0;
  int y = 0;

  bool operator==(const BoxPosition&) const = default;
};

// Where a message box stands over its owner, the window that was last active: centred on it
// (halves to the even neighbour), then kept on the screen. Left and right it is pushed inside,
// so a box wider than the screen ends at a negative x. At the top it stops at 0; a box that
// would run past the bottom rises to 90 % of the free height instead, so that it stands clearly
// above the edge rather than touching it.
BoxPosition MessageBoxPosition(const WindowRect& owner, BoxSize box, BoxSize screen);

}  // namespace pictavue
