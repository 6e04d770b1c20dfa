#include "settings/folder_history.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/blanks.h"
#include "support/cases.h"

namespace pictavue {
namespace {

using Entries = std::vector<std::string>;
using testing::CaseTable;

constexpr char kCases[] = "settings/folder_history.txt";
const CodePage kUtf8("UTF-8");

// The fields of a row from first on, up to "|" or the end; "a..b" stands for C:\Foldera to
// C:\Folderb.
Entries EntriesOf(const testing::Row& row, std::size_t& at) {
  Entries entries;
  for (; at < row.size() && row[at] != "|"; ++at) {
    if (const std::size_t dots = row[at].find(".."); dots != std::string::npos) {
      for (int i = std::stoi(row[at]); i <= std::stoi(row[at].substr(dots + 2)); ++i) {
        entries.push_back("C:\\Folder" + std::to_string(i));
      }
    } else {
      entries.push_back(row[at]);
    }
  }
  ++at;
  return entries;
}

TEST(FolderHistoryTest, LoadCutsToTheBuffer) {
  for (const auto& c : CaseTable(kCases, "load")) {
    std::size_t at = 1;
    EXPECT_EQ(LoadFolderHistory(ProfileFile::Parse(c[0]), kUtf8).entries(), EntriesOf(c, at)) << c;
  }
  // Entries are cut to 511 bytes of the code page: あ is two bytes in CP932, three in UTF-8.
  for (const auto& [piece, code_page, kept] :
       {std::tuple{"\x82\xA0", "CP932", 255}, {"\xE3\x81\x82", "UTF-8", 170}}) {
    const std::string file = "[SearchDir]\r\nDirHistry1=C" + testing::Repeat(piece, 300);
    EXPECT_EQ(LoadFolderHistory(ProfileFile::Parse(file), CodePage(code_page)).entries(),
              Entries{"C" + testing::Repeat("あ", kept)});
  }
}

TEST(FolderHistoryTest, AddPutsTheFolderFirstAndRemovesOneEqualEntry) {
  for (const auto& c : CaseTable(kCases, "add")) {
    std::size_t at = 1;
    const Entries after = EntriesOf(c, at);
    FolderHistory history(EntriesOf(c, at));
    EXPECT_EQ(AddToFolderHistory(history, c[0]), TrimBlanks(c[0])) << c;
    EXPECT_EQ(history.entries(), after) << c;
  }
  for (const auto& c : CaseTable(kCases, "equal ignoring case")) {
    EXPECT_EQ(FolderTextsEqualIgnoringCase(c[0], c[1]), c.Bool(2)) << c;
    EXPECT_EQ(FolderTextsEqualIgnoringCase(c[1], c[0]), c.Bool(2)) << c;
  }
}

}  // namespace
}  // namespace pictavue
