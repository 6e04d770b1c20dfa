#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// Every line of a generated file ends so, whatever the platform.
inline constexpr std::string_view kLineEnd = "\r\n";

// The text without the blanks (U+0020 only; tabs, line breaks and ideographic spaces stay) at
// either end.
std::string_view TrimBlanks(std::string_view text);

// line, then the line end.
void AppendLine(std::string& out, std::string_view line);

// Decimal, no leading zeros.
void AppendDecimal(std::string& out, std::int64_t value);

// Decimal with leading zeros to at least three digits: 7 gives "007", 1000 gives "1000".
void AppendDecimal000(std::string& out, int value);

// Writes a folder or file name into page text (alt texts, link texts, headings). The name goes in
// unchanged except where it would break the page: '"', '<' and '>' become character references,
// and a byte that is not part of valid UTF-8 (a POSIX name is any string of bytes) becomes U+FFFD.
void AppendNameText(std::string& out, std::string_view name);

// Writes an address into an attribute value so that it still reaches its file: '%', '#' (and,
// in POSIX style, '?', '\', control characters) are percent-encoded, as is a byte that is not
// part of valid UTF-8; '"', '<' and '>' become character references. Blanks, '&' and every other
// character go in unchanged.
void AppendAddress(std::string& out, std::string_view address, PathStyle style);

// Writes an address into the single-quoted script string of a "JavaScript:" link. The browser
// percent-decodes such a link before running it, so every '%' that AppendAddress would write is
// itself encoded once more; then '\' and '\'' get a backslash so the script string stays whole.
void AppendScriptAddress(std::string& out, std::string_view address, PathStyle style);

// The length of the well-formed UTF-8 sequence that starts at text[at], or 0 when the byte there
// does not start one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

}  // namespace pictavue
