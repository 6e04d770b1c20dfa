#include "ui/rules/message_style.h"

#include "generate/front_end.h"

namespace pictavue {
namespace {

constexpr int kButtonAbort = 3;
constexpr int kButtonRetry = 4;
constexpr int kButtonIgnore = 5;

std::vector<int> ButtonsOf(int button_bits) {
  switch (button_bits) {
    case 1:
      return {kButtonOk, kButtonCancel};
    case 2:
      return {kButtonAbort, kButtonRetry, kButtonIgnore};
    case 3:
      return {kButtonYes, kButtonNo, kButtonCancel};
    case 4:
      return {kButtonYes, kButtonNo};
    case 5:
      return {kButtonRetry, kButtonCancel};
    default:
      return {kButtonOk};
  }
}

MessageIcon IconOf(int icon_bits) {
  switch (icon_bits) {
    case 0x10:
      return MessageIcon::kStop;
    case 0x20:
      return MessageIcon::kQuestion;
    case 0x30:
      return MessageIcon::kWarning;
    case 0x40:
      return MessageIcon::kInformation;
    default:
      return MessageIcon::kNone;
  }
}

}  // namespace

MessageLook LookOfStyle(int style) {
  MessageLook look;
  look.buttons = ButtonsOf(style & 0x0F);
  look.icon = IconOf(style & 0xF0);
  const auto default_index = static_cast<std::size_t>((style & 0xF00) >> 8);
  look.default_button =
      default_index < look.buttons.size() ? look.buttons[default_index] : look.buttons.front();
  return look;
}

std::string BoxText(std::string_view prompt) {
  std::string text;
  text.reserve(prompt.size());
  for (std::size_t i = 0; i < prompt.size(); ++i) {
    if (prompt[i] == '\r') {
      text += '\n';
      if (i + 1 < prompt.size() && prompt[i + 1] == '\n') {
        ++i;
      }
    } else {
      text += prompt[i];
    }
  }
  return text;
}

}  // namespace pictavue
