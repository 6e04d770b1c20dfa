#pragma once

#include <string_view>

namespace pictavue {

// The text without the blanks at either end: U+0020 only, as the old system trimmed; tabs, line
// breaks and ideographic spaces stay.
constexpr std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The same with tabs: the profile files' reader trims both around names and values.
constexpr std::string_view TrimBlanksAndTabs(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace pictavue
