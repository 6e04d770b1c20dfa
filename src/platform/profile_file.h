#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/status.h"

namespace pictavue {

// A profile (INI) file held in memory, read and written the way the program's settings file has
// always been: section and key names match without regard to letter case, a missing file,
// section or key reads as the caller's default, an existing key is changed in place, a new key
// goes after the last key of its section, a new section to the end. Lines the program does not
// touch (comments, unknown keys and sections, blank lines) are kept byte for byte.
//
// Values are held as bytes in the file's code page; the accessors convert to and from UTF-8.
class ProfileFile {
 public:
  ProfileFile() = default;

  // Reads and parses path. A missing or unreadable file gives an empty profile, as the
  // platform's profile functions treat it. Files larger than kMaxFileBytes are read only up to
  // that size.
  static ProfileFile Load(const std::string& path);
  static ProfileFile Parse(std::string_view bytes);

  static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

  // Whether bytes can be text of a code page the profile functions read: not UTF-16 (its
  // byte-order mark) and no NUL byte anywhere.
  static bool IsText(std::string_view bytes);

  // The raw value bytes after the reading rules (trimmed, outer quotes removed), or nothing when
  // the section or key is missing.
  std::optional<std::string> RawValue(std::string_view section, std::string_view key) const;

  // An optional sign, then decimal digits up to the first non-digit, wrapping modulo 2^32; 0 for
  // a value that does not begin with a number; default_value only when the key is missing.
  int GetInt(std::string_view section, std::string_view key, int default_value) const;

  // The value as UTF-8, cut to buffer_size - 1 bytes of the code page at a character boundary;
  // default_value (with its trailing blanks removed) when the section or key is missing.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value, std::size_t buffer_size,
                        const CodePage& code_page) const;

  // Sets key to value (UTF-8, converted to the code page with "?" for what it cannot hold).
  // An empty value writes "key=". A value is one line: it ends at its first CR, LF or NUL, which
  // would otherwise split it into lines of their own. Names that could not be read back (an
  // empty key, a key with "=" or starting with ";" or "[", a section with "]", line breaks)
  // change nothing. Names are compared and written as given, blanks at their ends ignored.
  void SetString(std::string_view section, std::string_view key, std::string_view value,
                 const CodePage& code_page);

  // The whole file: every line ended by CR LF.
  std::string Serialize() const;

  // Writes Serialize() to a temporary file in the same folder, then renames it over path, so a
  // crash or a full disk leaves the old file intact; a link at path stays and its file is
  // replaced. Temporary files that an interrupted save left in the folder are removed first. The
  // failure carries the system's description.
  Status Save(const std::string& path) const;

 private:
  enum class LineKind : unsigned char { kOther, kSection, kKey };
  struct Line {
    std::string text;  // the line's bytes without its line end
    LineKind kind = LineKind::kOther;
  };

  static Line MakeLine(std::string text, bool first_line);
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t SectionEnd(std::size_t section_line) const;
  std::optional<std::size_t> FindKey(std::size_t section_line, std::string_view key) const;

  std::vector<Line> lines_;
};

}  // namespace pictavue
