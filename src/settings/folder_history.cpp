#include "settings/folder_history.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/utf8.h"
#include "settings/settings_values.h"

namespace pictavue {
namespace {

constexpr std::string_view kSection = "SearchDir";
constexpr std::size_t kEntryBufferSize = 512;

std::string HistoryKey(std::size_t position) {
  return "DirHistry" + std::to_string(position);
}

// A code point, or for a byte that does not start a valid UTF-8 sequence a value above the
// Unicode range that stands for that byte, so that such bytes compare only with themselves.
constexpr char32_t kRawByteBase = 0x110000;

struct Decoded {
  char32_t unit;
  std::size_t length;
};

Decoded DecodeForComparison(std::string_view text, std::size_t at) {
  const Utf8Character character = DecodeUtf8(text, at);
  if (character.length == 0) {
    return {kRawByteBase + static_cast<unsigned char>(text[at]), 1};
  }
  return {character.code_point, character.length};
}

// Upper-case letters of the folded ranges become lower case.
char32_t FoldCase(char32_t c) {
  const auto in = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
  if (in(U'A', U'Z')) {
    return c + 0x20;
  }
  if (in(0xC0, 0xDE) && c != 0xD7) {  // Latin-1 letters, without the multiplication sign
    return c + 0x20;
  }
  if (in(0x391, 0x3A9) && c != 0x3A2) {  // Greek capitals; U+03A2 is unassigned
    return c + 0x20;
  }
  if (in(0x400, 0x40F)) {  // Cyrillic capitals with marks (Ё, Ђ, ...)
    return c + 0x50;
  }
  if (in(0x410, 0x42F)) {
    return c + 0x20;
  }
  if (in(0xFF21, 0xFF3A)) {  // full-width Latin capitals
    return c + 0x20;
  }
  return c;
}

}  // namespace

FolderHistory::FolderHistory(std::vector<std::string> entries) {
  for (std::string& entry : entries) {
    if (entries_.size() == kMaxEntries) {
      break;
    }
    if (!entry.empty()) {
      entries_.push_back(std::move(entry));
    }
  }
}

FolderHistory LoadFolderHistory(const ProfileFile& file, const CodePage& code_page) {
  std::vector<std::string> entries;
  for (std::size_t position = 1; position <= FolderHistory::kMaxEntries; ++position) {
    entries.push_back(
        CutAtNul(file.GetString(kSection, HistoryKey(position), "", kEntryBufferSize, code_page)));
  }
  return FolderHistory(std::move(entries));
}

void SaveFolderHistory(const FolderHistory& history, const CodePage& code_page, ProfileFile& file) {
  for (std::size_t position = 1; position <= FolderHistory::kMaxEntries; ++position) {
    const std::string_view value =
        position <= history.size() ? std::string_view(history.entries()[position - 1]) : "";
    file.SetString(kSection, HistoryKey(position), value, code_page);
  }
}

std::string AddToFolderHistory(FolderHistory& history, std::string_view search_dir) {
  std::string folder(TrimBlanks(search_dir));
  if (folder.empty()) {
    return folder;
  }
  std::vector<std::string>& entries = history.entries_;
  const auto equal = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
    return FolderTextsEqualIgnoringCase(entry, folder);
  });
  if (equal != entries.end()) {
    entries.erase(equal);
  }
  entries.insert(entries.begin(), folder);
  if (entries.size() > FolderHistory::kMaxEntries) {
    entries.resize(FolderHistory::kMaxEntries);
  }
  return folder;
}

bool FolderTextsEqualIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const Decoded from_a = DecodeForComparison(a, i);
    const Decoded from_b = DecodeForComparison(b, j);
    if (FoldCase(from_a.unit) != FoldCase(from_b.unit)) {
      return false;
    }
    i += from_a.length;
    j += from_b.length;
  }
  return i == a.size() && j == b.size();
}

}  // namespace pictavue
