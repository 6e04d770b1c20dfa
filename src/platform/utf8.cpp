#include "platform/utf8.h"

namespace pictavue {

Utf8Character DecodeUtf8(std::string_view text, std::size_t at) {
  if (at >= text.size()) {
    return {};
  }
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    return {lead, 1};
  }
  const std::size_t length = Utf8LeadLength(lead);
  if (length == 1 || text.size() - at < length) {
    return {};
  }
  // The second byte's range is narrowed where an overlong form, a surrogate or a value beyond
  // U+10FFFF would begin; the later bytes are plain continuation bytes.
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  char32_t value = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char lowest = i == 1 ? low : 0x80;
    const unsigned char highest = i == 1 ? high : 0xBF;
    if (byte(i) < lowest || byte(i) > highest) {
      return {};
    }
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  return {value, length};
}

void AppendUtf8(char32_t code_point, std::string& text) {
  if ((code_point >= 0xD800 && code_point <= 0xDFFF) || code_point > 0x10FFFF) {
    code_point = 0xFFFD;
  }
  const auto put = [&text](char32_t bits) { text += static_cast<char>(bits); };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | (code_point >> 6));
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | (code_point >> 12));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | (code_point >> 18));
    put(0x80 | ((code_point >> 12) & 0x3F));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

}  // namespace pictavue
