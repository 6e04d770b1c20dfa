#include "generate/html_text.h"

#include <array>
#include <charconv>

#include "generate/character_reference_names.h"
#include "platform/ascii_case.h"
#include "platform/utf8.h"

namespace pictavue {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

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
// that the escaping rewrites. Every rewrite starts with '&' or a character beyond ASCII, which
// (like the quote, blank or tag that follows every name on a page) can neither continue a
// reference nor cancel one, so cutting there changes no decision.
std::string_view SeenFromAmpersand(std::string_view text, std::size_t ampersand) {
  std::size_t end = ampersand + 1;
  while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80 &&
         !IsMarkup(static_cast<unsigned char>(text[end]))) {
    ++end;
  }
  return text.substr(ampersand, end - ampersand);
}

void AppendAmpersand(std::string& out, std::string_view seen, HtmlPlace place) {
  out += StartsCharacterReference(seen, place) ? "&amp;" : "&";
}

// The bytes that end a run of bytes going into the page as they are: markup, '&', and every
// byte beyond ASCII. Runs are copied at once; a gallery writes tens of thousands of names and
// addresses, nearly all of them plain, so the question is one look-up.
using ByteSet = std::array<bool, 256>;

constexpr ByteSet NameRunStops() {
  ByteSet stops{};
  for (std::size_t byte = 0; byte < stops.size(); ++byte) {
    const auto value = static_cast<unsigned char>(byte);
    stops[byte] = value >= 0x80 || value == '&' || IsMarkup(value);
  }
  return stops;
}

constexpr ByteSet kNameRunStops = NameRunStops();

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
        AppendAmpersand(out, SeenFromAmpersand(name, i), place);
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

}  // namespace pictavue
