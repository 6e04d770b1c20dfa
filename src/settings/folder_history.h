#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/profile_file.h"

namespace pictavue {

// The search folders of the last runs that produced pages, most recent first: the drop-down
// list of cmbSearchDir. Never more than kMaxEntries, never an empty entry.
class FolderHistory {
 public:
  static constexpr std::size_t kMaxEntries = 10;

  FolderHistory() = default;
  // Empty texts are dropped (later entries move up), and so is everything past kMaxEntries.
  // Duplicates stay: a hand-edited file is taken as it is.
  explicit FolderHistory(std::vector<std::string> entries);

  const std::vector<std::string>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }
  std::size_t size() const { return entries_.size(); }

 private:
  friend std::string AddToFolderHistory(FolderHistory& history, std::string_view search_dir);

  std::vector<std::string> entries_;
};

// Keys "DirHistry1" to "DirHistry10" of section "SearchDir", each cut to 511 bytes of the code
// page and through CutAtNul; empty and missing keys leave no gap.
FolderHistory LoadFolderHistory(const ProfileFile& file, const CodePage& code_page);

// Writes all ten keys, the empty text where the history has no entry, so that a shorter
// history does not leave older folders behind in the file.
void SaveFolderHistory(const FolderHistory& history, const CodePage& code_page, ProfileFile& file);

// Records the search folder of a run that produced pages: s = search_dir with blanks trimmed
// goes first; the first entry equal to s without regard to letter case is removed, a second
// equal one stays; the 11th entry drops out. Returns s, the new text of cmbSearchDir. An empty s
// changes nothing.
std::string AddToFolderHistory(FolderHistory& history, std::string_view search_dir);

// Folder texts compared without regard to letter case. Folded are the letters that have two
// cases in the Japanese code page (ASCII, full-width Latin, Greek, Cyrillic) and the Latin-1
// letters, so that the history behaves alike under CP932 and UTF-8. Everything else, including
// bytes that are not UTF-8, must match exactly.
bool FolderTextsEqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pictavue
