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

// Each sort over a range of its list: a folder whose pictures are not neighbours still comes out
// whole, in its old order; ranges that are empty or reach outside the list sort nothing.
TEST(SortTest, FoldersStayWholeAndNamesFollowTheirKeys) {
  for (const auto& c : testing::CaseTable("collect/collect.txt", "sorts")) {
    std::vector<ImageEntry> list = Entries(c[3]);
    (c[0] == "folder" ? SortByFolder : SortByName)(list, c.Int(1), c.Int(2), RootCollation());
    std::string names;
    for (const ImageEntry& entry : list) {
      names += entry.FileName;
    }
    EXPECT_EQ(names, c[4]) << c;
  }
}

}  // namespace
}  // namespace pictavue
