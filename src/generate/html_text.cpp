#include "generate/html_text.h"

#include <charconv>

namespace pictavue {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void AppendPercentByte(std::string& out, std::string_view percent, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += percent;
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

bool NeedsPercentInPosix(unsigned char byte) {
  // A file: address treats '\' as '/', starts its query at '?' and drops tabs and line breaks.
  return byte == '?' || byte == '\\' || byte < 0x20 || byte == 0x7F;
}

// The escaping of AppendAddress, with percent standing for the '%' of every escape.
void AppendEscapedAddress(std::string& out, std::string_view address, PathStyle style,
                          std::string_view percent, bool script_string) {
  std::size_t i = 0;
  while (i < address.size()) {
    const auto byte = static_cast<unsigned char>(address[i]);
    if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(address, i);
      if (length == 0) {
        AppendPercentByte(out, percent, byte);
        ++i;
      } else {
        out.append(address.substr(i, length));
        i += length;
      }
      continue;
    }
    ++i;
    if (byte == '%' || byte == '#' || (style == PathStyle::kPosix && NeedsPercentInPosix(byte))) {
      AppendPercentByte(out, percent, byte);
    } else if (byte == '"') {
      out += "&quot;";
    } else if (byte == '<') {
      out += "&lt;";
    } else if (byte == '>') {
      out += "&gt;";
    } else if (script_string && (byte == '\'' || byte == '\\')) {
      out += '\\';
      out += static_cast<char>(byte);
    } else {
      out += static_cast<char>(byte);
    }
  }
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

void AppendLine(std::string& out, std::string_view line) {
  out += line;
  out += kLineEnd;
}

void AppendDecimal(std::string& out, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void AppendDecimal000(std::string& out, int value) {
  if (value >= 0 && value < 100) {
    out += value < 10 ? "00" : "0";
  }
  AppendDecimal(out, value);
}

void AppendNameText(std::string& out, std::string_view name) {
  std::size_t i = 0;
  while (i < name.size()) {
    const char c = name[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      const std::size_t length = Utf8SequenceLength(name, i);
      if (length == 0) {
        out += kReplacementCharacter;
        ++i;
      } else {
        out.append(name.substr(i, length));
        i += length;
      }
      continue;
    }
    ++i;
    switch (c) {
      case '"':
        out += "&quot;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
}

void AppendAddress(std::string& out, std::string_view address, PathStyle style) {
  AppendEscapedAddress(out, address, style, "%", false);
}

void AppendScriptAddress(std::string& out, std::string_view address, PathStyle style) {
  AppendEscapedAddress(out, address, style, "%25", true);
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) {
    return 0;
  }
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    return 1;
  }
  std::size_t length = 0;
  unsigned char low = 0x80;   // the range of the second byte, narrowed where overlong forms,
  unsigned char high = 0xBF;  // surrogates or code points beyond U+10FFFF would begin
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() - at < length) {
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[at + k]);
    const unsigned char lowest = k == 1 ? low : 0x80;
    const unsigned char highest = k == 1 ? high : 0xBF;
    if (byte < lowest || byte > highest) {
      return 0;
    }
  }
  return length;
}

}  // namespace pictavue
