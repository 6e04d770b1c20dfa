#pragma once

#include <functional>
#include <string_view>

namespace pictavue {

// How wide the drop-down list of cmbSearchDir opens: wide enough for the longest folder of the
// history so far, within twice the box's width.

// The width of a text in the main window's font, in twips.
using MeasureTextTwips = std::function<double(std::string_view text)>;

// The largest width the drop-down list may get, in pixels: twice the box's width. The doubled
// width and the twips per pixel are each rounded half to even, then divided as integers.
int DropDownCap(double box_width_twips, double twips_per_pixel);

// The drop-down list's width while the program runs: fixed cap, and the widest entry so far,
// which never shrinks, even when the entry that set it has left the history.
struct DropDownWidth {
  int cap = 0;
  int widest = 0;
};

// Measures one entry (pixels plus 8 %, rounded half to even), lets the widest width grow to it
// or to the cap, and returns the widest width.
int DropDownWidthFor(std::string_view text, const MeasureTextTwips& measure, double twips_per_pixel,
                     DropDownWidth& width);

}  // namespace pictavue
