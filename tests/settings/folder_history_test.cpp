#include "settings/folder_history.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cases.h"

namespace pictavue {
namespace {

using Entries = std::vector<std::string>;
using testing::CaseTable;

constexpr char kCases[] = "settings/folder_history.txt";
const CodePage kUtf8("UTF-8");

// The fields of a row from first on, up to "|" or the end; "a..b" stands for C:\Foldera to
// C:\Folderb.
Entries EntriesOf(const testing::CaseRow& row, std::size_t& at) {
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

TEST(FolderHistoryTest, LoadAndSave) {
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
  // All ten keys are written, older ones cleared, other keys left alone.
  ProfileFile file = ProfileFile::Parse(
      "[SearchDir]\r\nDirHistry1=C:\\Old1\r\nDirHistry7=C:\\Old7\r\nSubDir=0\r\n");
  SaveFolderHistory(FolderHistory({"C:\\New1", "D:\\New2"}), kUtf8, file);
  EXPECT_EQ(
      file.Serialize(),
      "[SearchDir]\r\nDirHistry1=C:\\New1\r\nDirHistry7=\r\nSubDir=0\r\nDirHistry2=D:\\New2\r\n"
      "DirHistry3=\r\nDirHistry4=\r\nDirHistry5=\r\nDirHistry6=\r\nDirHistry8=\r\n"
      "DirHistry9=\r\nDirHistry10=\r\n");
}

TEST(FolderHistoryTest, AddPutsTheFolderFirstAndRemovesOneEqualEntry) {
  for (const auto& c : CaseTable(kCases, "add")) {
    std::size_t at = 1;
    const Entries after = EntriesOf(c, at);
    FolderHistory history(EntriesOf(c, at));
    EXPECT_EQ(AddToFolderHistory(history, c[0]), after.front()) << c;
    EXPECT_EQ(history.entries(), after) << c;
  }
  FolderHistory history({"C:\\A"});
  EXPECT_EQ(AddToFolderHistory(history, "   "), "");
  EXPECT_EQ(history.entries(), Entries{"C:\\A"});
  // The constructor drops empty entries and keeps ten.
  Entries given = {"C:\\Folder1", ""};
  for (int i = 2; i <= 11; ++i) {
    given.push_back("C:\\Folder" + std::to_string(i));
  }
  EXPECT_EQ(FolderHistory(given).entries().size(), 10u);
  EXPECT_EQ(FolderHistory(given).entries().back(), "C:\\Folder10");

  for (const auto& c : CaseTable(kCases, "equal ignoring case")) {
    EXPECT_EQ(FolderTextsEqualIgnoringCase(c[0], c[1]), c.Bool(2)) << c;
    EXPECT_EQ(FolderTextsEqualIgnoringCase(c[1], c[0]), c.Bool(2)) << c;
  }
}

TEST(FolderHistoryTest, DropDownCapIsTwiceTheBoxWidthInPixels) {
  struct Case {
    double box_twips;
    double twips_per_pixel;
    int cap;
  };
  const Case cases[] = {
      {2400, 15, 320},
      {2407.25, 15, 320},  // 4814.5 rounds to the even 4814, not up to 4815 (which gives 321)
      {2407.75, 15, 321},  // 4815.5 rounds to 4816
      {2400, 12.5, 400},   // 12.5 rounds to 12
      {2400, 13.5, 342},   // 13.5 rounds to 14
      {100, 15, 13},       // integer division
      {0, 15, 0},
      {2400, 0, 4800},  // a screen without a size counts one twip per pixel
      {2400, 0.4, 4800},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropDownCap(c.box_twips, c.twips_per_pixel), c.cap)
        << c.box_twips << " twips at " << c.twips_per_pixel;
  }
}

TEST(FolderHistoryTest, DropDownWidthOnlyGrowsUpToTheCap) {
  // The measure is the text's length times 150 twips, or a fixed value for texts of one letter.
  const MeasureTextTwips measure = [](std::string_view text) {
    if (text == "h") {
      return 1514.5;  // half to even: 1514 / 15 = 100 pixels (half up would give 101)
    }
    if (text == "i") {
      return 1515.5;  // 1516 / 15 = 101 pixels
    }
    return static_cast<double>(text.size()) * 150.0;
  };
  DropDownWidth width{DropDownCap(2400, 15), 0};  // cap 320
  struct Step {
    std::string text;
    int widest;
  };
  const Step steps[] = {
      {"", 0},
      {"h", 108},                   // 100 * 1.08
      {"i", 109},                   // 101 * 1.08 = 109.08
      {"short", 109},               // 50 pixels: narrower, no change
      {std::string(25, 'x'), 270},  // 250 * 1.08
      {std::string(29, 'x'), 313},  // 290 * 1.08 = 313.2
      {std::string(30, 'x'), 320},  // 300 * 1.08 = 324, over the cap
      {"short", 320},
  };
  for (const Step& step : steps) {
    const int returned = DropDownWidthFor(step.text, measure, 15, width);
    EXPECT_EQ(returned, step.widest) << "text: " << step.text;
    EXPECT_EQ(width.widest, returned);
  }
  // A measure gone wrong gives the cap at most, and never shrinks the list.
  DropDownWidth absurd{320, 0};
  for (const double twips : {1e300, std::nan("")}) {
    EXPECT_EQ(DropDownWidthFor(
                  "x", [twips](std::string_view) { return twips; }, 15, absurd),
              320);
  }
  DropDownWidth no_cap{0, 0};
  EXPECT_EQ(DropDownWidthFor("x", measure, 15, no_cap), 0);
}

}  // namespace
}  // namespace pictavue
