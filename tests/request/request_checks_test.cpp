#include "request/request_checks.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(NumericValueTest, PlainDecimalsWithBlanksAndSign) {
  struct Case {
    const char* text;
    std::optional<double> expected;
  };
  const std::vector<Case> cases = {
      {"20", 20},  {"  7 ", 7},   {"+3", 3},   {"-3", -3},  {"1.5", 1.5}, {".5", 0.5},
      {"5.", 5},   {"007", 7},    {"", {}},    {"   ", {}}, {"abc", {}},  {"12abc", {}},
      {".", {}},   {"+-1", {}},   {"- 1", {}}, {"1e3", {}}, {"0x10", {}}, {"inf", {}},
      {"nan", {}}, {"1,000", {}}, {"\t5", {}}, {"5\n", {}}, {"１", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumericValue(c.text), c.expected) << "\"" << c.text << "\"";
  }
}

TEST(NumericValueTest, DigitsBeyondADoubleAreHugeOrZero) {
  const std::string huge = std::string(400, '9');
  EXPECT_EQ(NumericValue(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(NumericValue("-" + huge), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(OutputPathTest, FolderNameAndFirstPage) {
  struct Case {
    const char* label;
    PathStyle style;
    int output_dir;
    const char* dir_name;
    const char* search_dir;
    const char* file_name;
    int ipp;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"chosen folder", PathStyle::kWindows, kOutputDirChosen, "D:\\out", "C:\\Pics", "Pictavue", 1,
       "D:\\out\\Pictavue001.htm"},
      {"chosen folder with separator", PathStyle::kWindows, kOutputDirChosen, "D:\\", "C:\\Pics",
       "g", 1, "D:\\g001.htm"},
      {"program folder when none chosen", PathStyle::kWindows, kOutputDirChosen, "", "C:\\Pics",
       "g", 1, "C:\\Tools\\g001.htm"},
      {"search folder as typed", PathStyle::kWindows, kOutputDirSearch, "D:\\out", "c:\\pics\\",
       "g", 1, "c:\\pics\\g001.htm"},
      {"no list position is the search folder", PathStyle::kWindows, kNoListPosition, "D:\\out",
       "C:\\Pics", "g", 1, "C:\\Pics\\g001.htm"},
      {"blanks of the name kept", PathStyle::kPosix, kOutputDirSearch, "", "/home/me/Pics", " g ",
       1, "/home/me/Pics/ g 001.htm"},
      {"unlimited", PathStyle::kPosix, kOutputDirChosen, "/srv/www", "/p", "g", kIppUnlimited,
       "/srv/www/g.htm"},
  };
  for (const Case& c : cases) {
    GalleryOptions options;
    options.OutputDir = c.output_dir;
    options.DirName = c.dir_name;
    options.SearchDir = c.search_dir;
    options.FileName = c.file_name;
    options.IPP = c.ipp;
    const char* program_folder = c.style == PathStyle::kWindows ? "C:\\Tools" : "/opt/pictavue";
    EXPECT_EQ(OutputPathFor(options, program_folder, c.style), c.expected) << c.label;
  }
}

}  // namespace
}  // namespace pictavue
