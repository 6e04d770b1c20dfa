#include "generate/html_text.h"

#include <array>
#include <charconv>

#include "generate/character_reference_names.h"
#include "platform/ascii_case.h"
#include "platform/utf8.h"

namespace pictavue {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void AppendPercentByte(std::string& out, std::string_view percent, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += percent;
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

constexpr bool NeedsPercentInPosix(unsigned char byte) {
  // A file: address treats '\' as '/', starts its query at '?' and drops tabs and line breaks.
  return byte == '?' || byte == '\\' || byte < 0x20 || byte == 0x7F;
}

bool IsAsciiHexDigit(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsAsciiAlphanumeric(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsNumericReference(std::string_view after_hash) {
  if (!after_hash.empty() && (after_hash.front() == 'x' || after_hash.front() == 'X')) {
    return after_hash.size() > 1 && IsAsciiHexDigit(after_hash[1]);
  }
  return !after_hash.empty() && IsAsciiDigit(after_hash.front());
}

constexpr bool IsMarkup(unsigned char byte) {
  return byte == '"' || byte == '<' || byte == '>';
}

// What a browser will see after the '&' at text[ampersand]: the text up to the first character
// that the escaping rewrites. Every rewrite starts with '%', '&', '\\' or a character beyond
// ASCII, which (like the quote, blank or tag that follows every name on a page) can neither
// continue a reference nor cancel one, so cutting there changes no decision.
template <typename Rewrites>
std::string_view SeenFromAmpersand(std::string_view text, std::size_t ampersand,
                                   const Rewrites& rewrites) {
  std::size_t end = ampersand + 1;
  while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80 &&
         !rewrites(static_cast<unsigned char>(text[end]))) {
    ++end;
  }
  return text.substr(ampersand, end - ampersand);
}

void AppendAmpersand(std::string& out, std::string_view seen, HtmlPlace place) {
  out += StartsCharacterReference(seen, place) ? "&amp;" : "&";
}

// How AppendAddress and AppendScriptAddress rewrite an address.
struct AddressEscaping {
  PathStyle style = PathStyle::kWindows;
  std::string_view percent;  // the '%' of every percent escape
  bool script_string = false;

  constexpr bool IsPercentEncoded(unsigned char byte) const {
    return byte == '%' || byte == '#' || (style == PathStyle::kPosix && NeedsPercentInPosix(byte));
  }
  constexpr bool IsBackslashed(unsigned char byte) const {
    return script_string && (byte == '\'' || byte == '\\');
  }
  constexpr bool Rewrites(unsigned char byte) const {
    return IsPercentEncoded(byte) || IsMarkup(byte) || IsBackslashed(byte);
  }
};

// The bytes that end a run of bytes going into the page as they are: every byte the escaping
// rewrites, '&', and every byte beyond ASCII. Runs are copied at once; a gallery writes tens of
// thousands of addresses and names, nearly all of them plain, so the question is one look-up.
using ByteSet = std::array<bool, 256>;

template <typename Rewrites>
constexpr ByteSet RunStops(const Rewrites& rewrites) {
  ByteSet stops{};
  for (std::size_t byte = 0; byte < stops.size(); ++byte) {
    const auto value = static_cast<unsigned char>(byte);
    stops[byte] = value >= 0x80 || value == '&' || rewrites(value);
  }
  return stops;
}

constexpr ByteSet AddressRunStops(PathStyle style, bool script_string) {
  const AddressEscaping escaping{style, {}, script_string};
  return RunStops([&escaping](unsigned char byte) { return escaping.Rewrites(byte); });
}

constexpr std::array<ByteSet, 4> kAddressRunStops = {
    AddressRunStops(PathStyle::kWindows, false), AddressRunStops(PathStyle::kWindows, true),
    AddressRunStops(PathStyle::kPosix, false), AddressRunStops(PathStyle::kPosix, true)};

constexpr ByteSet kNameRunStops = RunStops(IsMarkup);

const ByteSet& RunStopsOf(const AddressEscaping& escaping) {
  return kAddressRunStops[(escaping.style == PathStyle::kPosix ? 2 : 0) +
                          (escaping.script_string ? 1 : 0)];
}

// The end of the run of bytes from start that go into the page as they are. Runs are long (a
// whole folder path), so eight bytes are looked up before each test.
std::size_t PlainRunEnd(std::string_view text, std::size_t start, const ByteSet& stops) {
  const auto stop_at = [&text, &stops](std::size_t at) {
    return stops[static_cast<unsigned char>(text[at])];
  };
  std::size_t end = start;
  while (text.size() - end >= 8 &&
         !(stop_at(end) | stop_at(end + 1) | stop_at(end + 2) | stop_at(end + 3) |
           stop_at(end + 4) | stop_at(end + 5) | stop_at(end + 6) | stop_at(end + 7))) {
    end += 8;
  }
  while (end < text.size() && !stop_at(end)) {
    ++end;
  }
  return end;
}

void AppendEscapedAddress(std::string& out, std::string_view address,
                          const AddressEscaping& escaping) {
  const auto rewrites = [&escaping](unsigned char byte) { return escaping.Rewrites(byte); };
  const ByteSet& stops = RunStopsOf(escaping);
  std::size_t i = 0;
  while (i < address.size()) {
    if (const std::size_t plain_end = PlainRunEnd(address, i, stops); plain_end > i) {
      out.append(address.substr(i, plain_end - i));
      i = plain_end;
      continue;
    }
    const auto byte = static_cast<unsigned char>(address[i]);
    if (byte >= 0x80) {
      const std::size_t length = DecodeUtf8(address, i).length;
      if (length == 0) {
        AppendPercentByte(out, escaping.percent, byte);
        ++i;
      } else {
        out.append(address.substr(i, length));
        i += length;
      }
      continue;
    }
    if (escaping.IsPercentEncoded(byte)) {
      AppendPercentByte(out, escaping.percent, byte);
    } else if (byte == '"') {
      out += "&quot;";
    } else if (byte == '<') {
      out += "&lt;";
    } else if (byte == '>') {
      out += "&gt;";
    } else if (byte == '&') {
      AppendAmpersand(out, SeenFromAmpersand(address, i, rewrites), HtmlPlace::kAttribute);
    } else if (escaping.IsBackslashed(byte)) {
      out += '\\';
      out += static_cast<char>(byte);
    } else {
      out += static_cast<char>(byte);
    }
    ++i;
  }
}

void AppendName(std::string& out, std::string_view name, HtmlPlace place) {
  std::size_t i = 0;
  while (i < name.size()) {
    if (const std::size_t plain_end = PlainRunEnd(name, i, kNameRunStops); plain_end > i) {
      out.append(name.substr(i, plain_end - i));
      i = plain_end;
      continue;
    }
    const char c = name[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      const std::size_t length = DecodeUtf8(name, i).length;
      if (length == 0) {
        out += kReplacementCharacter;
        ++i;
      } else {
        out.append(name.substr(i, length));
        i += length;
      }
      continue;
    }
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
      case '&': {
        AppendAmpersand(out, SeenFromAmpersand(name, i, IsMarkup), place);
        break;
      }
      default:
        out += c;
    }
    ++i;
  }
}

}  // namespace

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
  AppendName(out, name, HtmlPlace::kText);
}

void AppendNameAttribute(std::string& out, std::string_view name) {
  AppendName(out, name, HtmlPlace::kAttribute);
}

bool StartsCharacterReference(std::string_view text, HtmlPlace place) {
  if (text.size() < 2 || text.front() != '&') {
    return false;
  }
  const std::string_view after = text.substr(1);
  if (after.front() == '#') {
    return StartsNumericReference(after.substr(1));
  }
  std::size_t run = 0;
  while (run < after.size() && IsAsciiAlphanumeric(after[run])) {
    ++run;
  }
  if (run == 0) {
    return false;
  }
  // A name with its ";" is always the longest match, since no name holds a ";".
  if (run < after.size() && after[run] == ';' && IsCharacterReferenceName(after.substr(0, run))) {
    return true;
  }
  const std::size_t legacy = LegacyCharacterReferenceLength(after.substr(0, run));
  if (legacy == 0) {
    return false;
  }
  if (place == HtmlPlace::kText) {
    return true;
  }
  // In an attribute value a legacy name followed by a letter, a digit or "=" stays text, so that
  // old addresses such as "?a=1&copy=2" keep working.
  const bool followed = legacy < after.size();
  return !followed || (!IsAsciiAlphanumeric(after[legacy]) && after[legacy] != '=');
}

void AppendAddress(std::string& out, std::string_view address, PathStyle style) {
  AppendEscapedAddress(out, address, AddressEscaping{style, "%", false});
}

void AppendScriptAddress(std::string& out, std::string_view address, PathStyle style) {
  AppendEscapedAddress(out, address, AddressEscaping{style, "%25", true});
}

}  // namespace pictavue
