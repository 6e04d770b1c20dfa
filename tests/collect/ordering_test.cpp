#include "collect/ordering.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/image_paths.h"
#include "support/recording_front_end.h"

namespace pictavue {
namespace {

using Names = std::vector<std::string>;

// The root order, so that results do not depend on the machine's locale.
const Collation& RootCollation() {
  static const Collation collation = Collation::ForLocale("C");
  return collation;
}

// Entries from blank-separated paths, each split after its last '/'.
std::vector<ImageEntry> Entries(const std::string& paths) {
  std::vector<ImageEntry> entries;
  std::istringstream in(paths);
  for (std::string path; in >> path;) {
    const std::size_t slash = path.rfind('/') + 1;
    entries.push_back({path.substr(0, slash), path.substr(slash)});
  }
  return entries;
}

// The file names of the list, one after the other.
std::string FileNames(const std::vector<ImageEntry>& list) {
  std::string names;
  for (const ImageEntry& entry : list) {
    names += entry.FileName;
  }
  return names;
}

TEST(OrderImagesTest, PutsThePicturesInPageOrder) {
  for (const auto& c : testing::CaseTable("collect/collect.txt", "order")) {
    if (c[0].find('\xFF') != std::string::npos && NativePathStyle() == PathStyle::kWindows) {
      continue;  // a name Windows cannot hold
    }
    RunState state;
    for (const ImageEntry& entry : Entries(c[0])) {
      EXPECT_TRUE(AppendImage(state, entry));
    }
    state.TopSubfolderCount = c.Int(1);
    GalleryOptions options;
    options.SubDir = c.Int(2);
    testing::RecordingFrontEnd front_end;
    front_end.RecordProgress(c.size() > 6);
    front_end.CancelAtYield(c.Int(3));
    EXPECT_EQ(OrderImages(state, options, RootCollation(), front_end), c[5] != "-") << c;
    std::string paths;
    for (const std::string& path : testing::ImagePaths(state)) {
      paths += (paths.empty() ? "" : " ") + path;
    }
    EXPECT_EQ(paths, c[5] == "-" ? "" : c[5]) << c;
    EXPECT_EQ(front_end.YieldCount(), c.Int(4)) << c;
    EXPECT_EQ(front_end.Events(), Names(c.begin() + 6, c.end())) << c;
    EXPECT_EQ(state.CancelRequested, c[5] == "-") << c;
  }
}

TEST(SortTest, FoldersStayWholeAndNamesFollowTheirKeys) {
  // A folder whose pictures are not neighbours still comes out whole, in its old order.
  std::vector<ImageEntry> list = Entries("/s/b/3 /s/b/1 /s/a/2 /s/B/4 /s/b/0 /s/a/5");
  SortByFolder(list, 0, static_cast<int>(list.size()) - 1, RootCollation());
  EXPECT_EQ(FileNames(list), "254310");

  // Only the range given; ranges that are empty or reach outside the list sort nothing.
  const std::pair<std::pair<int, int>, std::string> ranges[] = {
      {{1, 3}, "ebcda"}, {{0, 4}, "abcde"},  {{2, 2}, "edcba"},
      {{3, 1}, "edcba"}, {{-1, 3}, "edcba"}, {{0, 5}, "edcba"}};
  for (const auto& [range, order] : ranges) {
    std::vector<ImageEntry> five = Entries("/s/e /s/d /s/c /s/b /s/a");
    SortByName(five, range.first, range.second, RootCollation());
    EXPECT_EQ(FileNames(five), order) << range.first << ".." << range.second;
  }
}

}  // namespace
}  // namespace pictavue
