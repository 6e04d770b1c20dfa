#include "platform/profile_file.h"

#include <cstdint>
#include <utility>

#include "platform/ascii_case.h"
#include "platform/blanks.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/text_lines.h"

namespace pictavue {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks("\0\r\n", 3);

std::string_view WithoutOuterQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// What one line says, as views into its text.
struct LineParts {
  bool is_section = false;
  bool is_key = false;
  std::string_view name;         // the section's or the key's name, trimmed
  std::string_view value;        // a key's value after the reading rules
  std::size_t value_offset = 0;  // where a key's written value starts in the line
};

LineParts Dissect(std::string_view text, bool first_line) {
  LineParts parts;
  std::size_t offset = 0;
  if (first_line && text.starts_with(kUtf8ByteOrderMark)) {
    offset = kUtf8ByteOrderMark.size();
  }
  const std::size_t start = text.find_first_not_of(kBlanks, offset);
  if (start == std::string_view::npos || text[start] == ';') {
    return parts;
  }
  if (text[start] == '[') {
    const std::size_t close = text.find(']', start + 1);
    if (close != std::string_view::npos) {
      parts.is_section = true;
      parts.name = TrimBlanksAndTabs(text.substr(start + 1, close - start - 1));
    }
    return parts;
  }
  const std::size_t equals = text.find('=', start);
  if (equals == std::string_view::npos) {
    return parts;
  }
  parts.name = TrimBlanksAndTabs(text.substr(start, equals - start));
  if (parts.name.empty()) {
    return parts;
  }
  parts.is_key = true;
  parts.value_offset = text.find_first_not_of(kBlanks, equals + 1);
  if (parts.value_offset == std::string_view::npos) {
    parts.value_offset = text.size();
  }
  parts.value = WithoutOuterQuotes(TrimBlanksAndTabs(text.substr(parts.value_offset)));
  return parts;
}

bool IsWritableSection(std::string_view section) {
  return section.find_first_of(kLineBreaks) == std::string_view::npos &&
         section.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key) {
  return !key.empty() && key.front() != ';' && key.front() != '[' &&
         key.find_first_of(kLineBreaks) == std::string_view::npos &&
         key.find('=') == std::string_view::npos;
}

// An optional sign and the decimal digits after it; the digits accumulate modulo 2^32, as the
// platform's reader does, and the result is that value read as signed 32 bits.
int LeadingInteger(std::string_view text) {
  bool negative = false;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  std::uint32_t value = 0;
  for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) {
    value = 0u - value;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

ProfileFile::Line ProfileFile::MakeLine(std::string text, bool first_line) {
  const LineParts parts = Dissect(text, first_line);
  const LineKind kind = parts.is_section ? LineKind::kSection
                        : parts.is_key   ? LineKind::kKey
                                         : LineKind::kOther;
  return Line{std::move(text), kind};
}

ProfileFile ProfileFile::Load(const std::string& path) {
  const ReadResult read = ReadFileBounded(path, kMaxFileBytes);
  if (!read.status.ok()) {
    return ProfileFile();
  }
  return Parse(read.bytes);
}

bool ProfileFile::IsText(std::string_view bytes) {
  return !bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF") &&
         bytes.find('\0') == std::string_view::npos;
}

ProfileFile ProfileFile::Parse(std::string_view bytes) {
  ProfileFile profile;
  const std::vector<std::string_view> lines = SplitLines(bytes);
  // With room for the lines a save adds: growing by doubling would need twice the memory for a
  // file of millions of empty lines.
  constexpr std::size_t kRoomForNewLines = 128;
  profile.lines_.reserve(lines.size() + kRoomForNewLines);
  for (const std::string_view line : lines) {
    profile.lines_.push_back(MakeLine(std::string(line), profile.lines_.empty()));
  }
  return profile;
}

std::optional<std::size_t> ProfileFile::FindSection(std::string_view section) const {
  const std::string_view wanted = TrimBlanksAndTabs(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == LineKind::kSection &&
        EqualsIgnoringAsciiCase(Dissect(lines_[i].text, i == 0).name, wanted)) {
      return i;
    }
  }
  return std::nullopt;
}

std::size_t ProfileFile::SectionEnd(std::size_t section_line) const {
  std::size_t i = section_line + 1;
  while (i < lines_.size() && lines_[i].kind != LineKind::kSection) {
    ++i;
  }
  return i;
}

std::optional<std::size_t> ProfileFile::FindKey(std::size_t section_line,
                                                std::string_view key) const {
  const std::string_view wanted = TrimBlanksAndTabs(key);
  const std::size_t end = SectionEnd(section_line);
  for (std::size_t i = section_line + 1; i < end; ++i) {
    if (lines_[i].kind == LineKind::kKey &&
        EqualsIgnoringAsciiCase(Dissect(lines_[i].text, false).name, wanted)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ProfileFile::RawValue(std::string_view section,
                                                 std::string_view key) const {
  const std::optional<std::size_t> section_line = FindSection(section);
  if (!section_line) {
    return std::nullopt;
  }
  const std::optional<std::size_t> key_line = FindKey(*section_line, key);
  if (!key_line) {
    return std::nullopt;
  }
  return std::string(Dissect(lines_[*key_line].text, false).value);
}

int ProfileFile::GetInt(std::string_view section, std::string_view key, int default_value) const {
  const std::optional<std::string> value = RawValue(section, key);
  return value ? LeadingInteger(*value) : default_value;
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view default_value, std::size_t buffer_size,
                                   const CodePage& code_page) const {
  if (buffer_size == 0) {
    return {};
  }
  const std::size_t max_bytes = buffer_size - 1;
  const std::optional<std::string> value = RawValue(section, key);
  if (!value) {
    const std::size_t last = default_value.find_last_not_of(' ');
    const std::string_view trimmed =
        last == std::string_view::npos ? std::string_view() : default_value.substr(0, last + 1);
    return code_page.CutToBytes(trimmed, max_bytes);
  }
  const std::string_view bytes(*value);
  return code_page.ToUtf8(bytes.substr(0, code_page.BoundaryAtOrBefore(bytes, max_bytes)));
}

void ProfileFile::SetString(std::string_view section, std::string_view key, std::string_view value,
                            const CodePage& code_page) {
  section = TrimBlanksAndTabs(section);
  key = TrimBlanksAndTabs(key);
  if (!IsWritableSection(section) || !IsWritableKey(key)) {
    return;
  }
  const std::string bytes = code_page.FromUtf8(value.substr(0, value.find_first_of(kLineBreaks)),
                                               Unmappable::kQuestionMark);

  const std::optional<std::size_t> section_line = FindSection(section);
  if (!section_line) {
    lines_.push_back(MakeLine("[" + std::string(section) + "]", lines_.empty()));
    lines_.push_back(MakeLine(std::string(key) + "=" + bytes, false));
    return;
  }
  if (const std::optional<std::size_t> key_line = FindKey(*section_line, key)) {
    Line& line = lines_[*key_line];
    const std::size_t value_offset = Dissect(line.text, false).value_offset;
    line = MakeLine(line.text.substr(0, value_offset) + bytes, false);
    return;
  }
  // After the section's last key, so that blank lines and comments that lead into the next
  // section stay in front of it.
  std::size_t insert_after = *section_line;
  const std::size_t end = SectionEnd(*section_line);
  for (std::size_t i = *section_line + 1; i < end; ++i) {
    if (lines_[i].kind == LineKind::kKey) {
      insert_after = i;
    }
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_after + 1),
                MakeLine(std::string(key) + "=" + bytes, false));
}

std::string ProfileFile::Serialize() const {
  std::size_t size = 0;
  for (const Line& line : lines_) {
    size += line.text.size() + 2;
  }
  std::string bytes;
  bytes.reserve(size);
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += "\r\n";
  }
  return bytes;
}

Status ProfileFile::Save(const std::string& path) const {
  // What a save killed half-way left beside the file goes first.
  RemoveStaleTemporaryFiles(
      path.substr(0, path.size() - LastComponent(path, NativePathStyle()).size()));
  return WriteFileAtomically(path, Serialize(), LinkAtPath::kFollow, Flush::kToDisk);
}

}  // namespace pictavue
