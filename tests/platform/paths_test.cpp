#include "platform/paths.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/memory_directory.h"

namespace pictavue {
namespace {

using testing::CaseTable;

constexpr char kCases[] = "platform/paths.txt";

PathStyle Style(const std::string& name) {
  return name == "win" ? PathStyle::kWindows : PathStyle::kPosix;
}

TEST(PathRulesTest, RootsSeparatorsAndNames) {
  for (const auto& c : CaseTable(kCases, "roots")) {
    EXPECT_EQ(IsRootPath(c[1], Style(c[0])), c.Bool(2)) << c;
  }
  for (const auto& c : CaseTable(kCases, "trailing separator")) {
    EXPECT_EQ(WithTrailingSeparator(c[1], Style(c[0])), c[2]) << c;
    EXPECT_EQ(WithoutTrailingSeparator(c[1], Style(c[0])), c[3]) << c;
  }
  for (const auto& c : CaseTable(kCases, "join")) {
    EXPECT_EQ(JoinPath(c[1], c[2], Style(c[0])), c[3]) << c;
    EXPECT_EQ(LastComponent(c[1], Style(c[0])), c[4]) << c;
  }
  for (const auto& c : CaseTable(kCases, "settings file")) {
    EXPECT_EQ(SettingsFilePath(c[1], Style(c[0])), c[2]) << c;
  }
  for (const auto& c : CaseTable(kCases, "same or below")) {
    EXPECT_EQ(IsSameOrBelowFolder(c[1], c[2], Style(c[0])), c.Bool(3)) << c;
  }
  for (const auto& c : CaseTable(kCases, "drive root")) {
    EXPECT_EQ(WindowsDriveRoot(c[0]), c[1]) << c;
  }
  for (const auto& c : CaseTable(kCases, "posix lexically")) {
    EXPECT_EQ(ResolvePosixPathLexically(c[0], c[1]), c[2]) << c;
  }
}

TEST(PathRulesTest, NormalizesWindowsFoldersAsStoredAndStopsAtTheFirstMiss) {
  testing::MemoryDirectory tree;
  for (const auto& entry : CaseTable(kCases, "windows tree")) {
    entry[0] == "folder" ? tree.AddFolder(entry[1]) : tree.AddFile(entry[1]);
  }
  for (const auto& c : CaseTable(kCases, "normalize windows")) {
    EXPECT_EQ(NormalizeWindowsFolderPath(c[0], tree.Lookup()), c[1]) << c;
  }
  // Each prefix is asked for once, in upper case.
  std::vector<std::string> asked;
  const StoredNameLookup recording = [&](const std::string& path) {
    asked.push_back(path);
    return tree.StoredName(path);
  };
  EXPECT_EQ(NormalizeWindowsFolderPath("c:\\my pictures\\nope\\trip", recording), "");
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\MY PICTURES", "C:\\MY PICTURES\\NOPE"}));
}

}  // namespace
}  // namespace pictavue
