#pragma once

#include <initializer_list>
#include <string>

namespace pictavue::testing {

// Profile-file text: every line ended by CR LF, as the settings file is written.
inline std::string IniLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace pictavue::testing
