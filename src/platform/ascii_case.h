#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pictavue {

// Letter case of ASCII letters only. Names, keys and patterns are matched this way wherever the
// old system did: bytes above 0x7F belong to multi-byte characters and never change.
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = AsciiLower(c);
  }
  return lower;
}

inline std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    c = AsciiUpper(c);
  }
  return upper;
}

}  // namespace pictavue
