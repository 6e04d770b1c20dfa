#pragma once

#include <string>

namespace pictavue {

// Appends the script function change(color): sets the page background to color, and the text to
// white on "black" and to black on every other colour.
void WriteChangeScript(std::string& out);

// Appends the form of the ten colour buttons, each passing its own label to change().
void WriteColorButtons(std::string& out);

}  // namespace pictavue
