#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/blanks.h"

namespace pictavue {

// Every line of a generated file ends so, whatever the platform.
inline constexpr std::string_view kLineEnd = "\r\n";

// line, then the line end.
void AppendLine(std::string& out, std::string_view line);

// Decimal, no leading zeros.
void AppendDecimal(std::string& out, std::int64_t value);

// Decimal with leading zeros to at least three digits: 7 gives "007", 1000 gives "1000".
void AppendDecimal000(std::string& out, int value);

// Where in a page a text goes: a browser reads character references differently in the two.
enum class HtmlPlace {
  kText,       // between tags: link texts, headings
  kAttribute,  // inside a quoted attribute value: addresses, alt texts
};

// Whether the "&" at the start of text is read by a browser as the start of a character
// reference at place: "&#" with a digit ("&#x" with a hexadecimal digit), a name of the
// reference table followed by ";", or one of the legacy names that need no ";" ("&copy"), which
// in an attribute counts only when neither a letter, a digit nor "=" follows it.
bool StartsCharacterReference(std::string_view text, HtmlPlace place);

// Writes a folder or file name into page text (link texts, headings). The name goes in unchanged
// except where it would break the page or be read as something else: '"', '<' and '>' become
// character references, an '&' that would start one becomes "&amp;" (any other '&' stays, so
// "Tom&Jerry.jpg" is written as it is), and a byte that is not part of valid UTF-8 (a POSIX name
// is any string of bytes) becomes U+FFFD.
void AppendNameText(std::string& out, std::string_view name);

// The same for a name inside an attribute value (alt texts, and the addresses of addresses.h).
void AppendNameAttribute(std::string& out, std::string_view name);

}  // namespace pictavue
