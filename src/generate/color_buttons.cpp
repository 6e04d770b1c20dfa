#include "generate/color_buttons.h"

#include <array>
#include <string_view>

#include "generate/html_text.h"

namespace pictavue {
namespace {

// Button order; each name is both the label and the colour value, so its case is kept.
constexpr std::array<std::string_view, 10> kColorNames = {
    "black", "Gray", "Silver", "white", "Red", "Yellow", "Lime", "Aqua", "Blue", "Green"};

}  // namespace

void WriteChangeScript(std::string& out) {
  for (const std::string_view line :
       {"function change(color)", "{document.bgColor = color", "if(color == \"black\")",
        "{document.fgColor = \"white\"}", "else", "{document.fgColor = \"black\"}}"}) {
    AppendLine(out, line);
  }
}

void WriteColorButtons(std::string& out) {
  AppendLine(out, "<center><form>");
  for (const std::string_view name : kColorNames) {
    out += "<input type=\"button\" value=\"";
    out += name;
    out += "\" onClick=\"change(this.value)\">";
    out += kLineEnd;
  }
  AppendLine(out, "</form></center>");
}

}  // namespace pictavue
