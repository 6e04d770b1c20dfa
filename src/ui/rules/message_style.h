#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictavue {

// What a message-box style asks for, decoded from the platform's style bits: the button set in
// the low four bits, the icon in the next four, the default button in the four above them.
enum class MessageIcon { kNone, kStop, kQuestion, kWarning, kInformation };

struct MessageLook {
  std::vector<int> buttons;  // pressed-button numbers (kButtonOk, kButtonYes, ...), left to right
  int default_button = 0;    // one of buttons
  MessageIcon icon = MessageIcon::kNone;
};

// 16 stop/OK, 48 warning/OK, 36 question/Yes-No with Yes default, 292 the same with No default.
// An unknown button set shows OK; a default-button number beyond the set picks the first.
MessageLook LookOfStyle(int style);

// The prompt with each line break as a box shows it: CR LF, and a CR or LF alone, become "\n".
std::string BoxText(std::string_view prompt);

}  // namespace pictavue
