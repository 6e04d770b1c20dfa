#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pictavue {

// One character of UTF-8 text. length is 0 where the bytes start no well-formed sequence: a stray
// continuation byte, an overlong form, a surrogate, a value above U+10FFFF or a sequence cut
// short. Such bytes reach us in file names and hand-edited files, so every caller must be able
// to step over them one byte at a time.
struct Utf8Character {
  char32_t code_point = 0;
  std::size_t length = 0;
};

Utf8Character DecodeUtf8(std::string_view text, std::size_t at = 0);

// Appends code_point in UTF-8; a surrogate or a value above U+10FFFF, which has no UTF-8 form,
// becomes U+FFFD.
void AppendUtf8(char32_t code_point, std::string& text);

// How many bytes a sequence starting with lead claims to hold (1 for a byte that starts none),
// for cutting text before a sequence whose end has not arrived yet.
constexpr std::size_t Utf8LeadLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) {
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return 4;
  }
  return 1;
}

}  // namespace pictavue
