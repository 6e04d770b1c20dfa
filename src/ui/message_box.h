#pragma once

#include <string>

class QWidget;

namespace pictavue {

// Shows a modal message box with the icon and buttons of style, the title and the prompt's
// lines, and returns the pressed button's number (kButtonOk, kButtonYes, kButtonNo, ...).
// With an owner the box is placed over it by MessageBoxPosition, on the owner's screen, once the
// box knows its size and before it appears; without one it stands where the system puts it.
// A box closed without a button (the application quitting) answers with its last button, the
// one that declines.
int ShowStyledMessageBox(const std::string& prompt, int style, const std::string& title,
                         QWidget* owner);

}  // namespace pictavue
