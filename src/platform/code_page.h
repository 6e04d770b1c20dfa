#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pictavue {

// How a character that the code page cannot hold is written when converting from UTF-8.
enum class Unmappable {
  kQuestionMark,   // "?": settings file, byte-length checks, platform calls
  kCharReference,  // "&#12354;": generated pages
};

// The system code page: the encoding of every text the program exchanges with files (settings,
// pages) and with the platform. Inside the program every text is UTF-8.
//
// When the code page is UTF-8 every conversion is the identity, byte for byte, even for bytes
// that are not valid UTF-8: a POSIX file name is a string of bytes, and a name that is not valid
// UTF-8 must still reach its file.
class CodePage {
 public:
  // Windows: the ANSI code page of the system. POSIX: PICTAVUE_CODEPAGE when set (for example
  // "CP932"), else the code set of the locale; a locale without one (C, POSIX) counts as UTF-8.
  static CodePage System();

  // A code page by its iconv name ("UTF-8", "CP932") or, on Windows, "CP" + its number.
  // An unknown name falls back to UTF-8.
  explicit CodePage(std::string name);

  const std::string& name() const { return name_; }
  bool is_utf8() const { return is_utf8_; }

  std::string FromUtf8(std::string_view utf8, Unmappable how) const;
  // Bytes that are not valid in the code page become U+FFFD.
  std::string ToUtf8(std::string_view bytes) const;

  // The length of FromUtf8(utf8, Unmappable::kQuestionMark).
  std::size_t ByteLength(std::string_view utf8) const;

  // The longest prefix of utf8 whose code-page form is at most max_bytes long. Never cuts a
  // character in two.
  std::string CutToBytes(std::string_view utf8, std::size_t max_bytes) const;

  // The length of the longest prefix of bytes (in this code page) that is at most max_bytes long
  // and ends at a character boundary.
  std::size_t BoundaryAtOrBefore(std::string_view bytes, std::size_t max_bytes) const;

 private:
  std::string name_;
  bool is_utf8_ = true;
};

}  // namespace pictavue
