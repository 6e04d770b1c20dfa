#include "collect/ordering.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/recording_front_end.h"

namespace pictavue {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The root order, so that results do not depend on the machine's locale.
const Collation& RootCollation() {
  static const Collation collation = Collation::ForLocale("C");
  return collation;
}

RunState StateWith(const std::vector<ImageEntry>& entries, int top_subfolder_count) {
  RunState state;
  for (const ImageEntry& entry : entries) {
    EXPECT_TRUE(AppendImage(state, entry));
  }
  state.TopSubfolderCount = top_subfolder_count;
  return state;
}

std::vector<std::string> Paths(const RunState& state) {
  std::vector<std::string> paths;
  for (int i = 0; i < state.ImageCount; ++i) {
    paths.push_back(state.ImageList[static_cast<std::size_t>(i)].Folder +
                    state.ImageList[static_cast<std::size_t>(i)].FileName);
  }
  return paths;
}

std::vector<std::string> Names(const std::vector<ImageEntry>& list) {
  std::vector<std::string> names;
  for (const ImageEntry& entry : list) {
    names.push_back(entry.FileName);
  }
  return names;
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
  struct OrderCase {
    const char* name;
    const char* scanned;  // in scan order
    int top_subfolder_count;
    int sub_dir;
    const char* expected;
  };
  for (const OrderCase& c : {
           OrderCase{"OneFolderByName", "/s/c.gif /s/A.jpg /s/b.png", 0, kChecked,
                     "/s/A.jpg /s/b.png /s/c.gif"},
           OrderCase{"DigitsAreNotNumbers", "/s/2.jpg /s/10.jpg /s/1.jpg", 0, kChecked,
                     "/s/1.jpg /s/10.jpg /s/2.jpg"},
           OrderCase{"FoldersByNameIgnoringCase", "/s/x.jpg /s/Sub2/a.jpg /s/sub1/b.jpg", 2,
                     kChecked, "/s/x.jpg /s/sub1/b.jpg /s/Sub2/a.jpg"},
           OrderCase{"AFolderBeforeItsSubfolders", "/s/b/1.jpg /s/b/c/1.jpg /s/z.jpg /s/a/1.jpg", 2,
                     kChecked, "/s/z.jpg /s/a/1.jpg /s/b/1.jpg /s/b/c/1.jpg"},
           // Without subfolders the list is one folder in scan order: the folder sort is skipped
           // (shown here by groups that would otherwise swap).
           OrderCase{"SubfoldersOffSkipsTheFolderSort",
                     "/s/b/2.jpg /s/b/1.jpg /s/a/2.jpg /s/a/1.jpg", 3, kUnchecked,
                     "/s/b/1.jpg /s/b/2.jpg /s/a/1.jpg /s/a/2.jpg"},
           OrderCase{"NoSubfolderFoundSkipsTheFolderSort", "/s/b/2.jpg /s/a/1.jpg", 0, kChecked,
                     "/s/b/2.jpg /s/a/1.jpg"},
           OrderCase{"DimmedSubDirSortsFolders", "/s/b/2.jpg /s/a/1.jpg", 1, kGrayed,
                     "/s/a/1.jpg /s/b/2.jpg"},
           OrderCase{"TwoEntries", "/s/b.jpg /s/a.jpg", 0, kChecked, "/s/a.jpg /s/b.jpg"},
           // Names equal but for letter case come out in the same order whatever the scan order.
           OrderCase{"CaseTiesLowerFirstInScan", "/s/a.jpg /s/b.jpg /s/A.jpg", 0, kChecked,
                     "/s/A.jpg /s/a.jpg /s/b.jpg"},
           OrderCase{"CaseTiesUpperFirstInScan", "/s/A.jpg /s/b.jpg /s/a.jpg", 0, kChecked,
                     "/s/A.jpg /s/a.jpg /s/b.jpg"},
           // Two folders equal but for letter case stay two unbroken groups.
           OrderCase{"CaseTiedFoldersStayWhole",
                     "/s/x.jpg /s/sub/b.jpg /s/sub/a.jpg /s/Sub/d.jpg /s/Sub/c.jpg", 2, kChecked,
                     "/s/x.jpg /s/Sub/c.jpg /s/Sub/d.jpg /s/sub/a.jpg /s/sub/b.jpg"},
           OrderCase{"AccentsAfterTheirLetter", "/s/f.jpg /s/\xC3\xA9.jpg /s/E.jpg", 0, kChecked,
                     "/s/E.jpg /s/\xC3\xA9.jpg /s/f.jpg"},
           OrderCase{"NamesThatAreNotUtf8SortLast", "/s/\xFF.jpg /s/z.jpg /s/a.jpg", 0, kChecked,
                     "/s/a.jpg /s/z.jpg /s/\xFF.jpg"},
       }) {
    if (std::string(c.name) == "NamesThatAreNotUtf8SortLast" &&
        NativePathStyle() == PathStyle::kWindows) {
      continue;  // listed names are never ill-formed there, and its sort keys put U+FFFD first
    }
    const std::vector<ImageEntry> scanned = Entries(c.scanned);
    RunState state = StateWith(scanned, c.top_subfolder_count);
    GalleryOptions options;
    options.SubDir = c.sub_dir;
    testing::RecordingFrontEnd front_end;
    EXPECT_TRUE(OrderImages(state, options, RootCollation(), front_end)) << c.name;
    EXPECT_EQ(state.ImageCount, static_cast<int>(scanned.size())) << c.name;
    std::string paths;
    for (const std::string& path : Paths(state)) {
      paths += (paths.empty() ? "" : " ") + path;
    }
    EXPECT_EQ(paths, c.expected) << c.name;
  }
}

TEST(OrderImagesTest, MovesTheProgressBarAndYieldsOncePerEntry) {
  RunState state =
      StateWith({{"/s/", "b.jpg"}, {"/s/", "a.jpg"}, {"/s/t/", "d.jpg"}, {"/s/t/", "c.jpg"}}, 1);
  testing::RecordingFrontEnd front_end;
  front_end.RecordProgress(true);
  ASSERT_TRUE(OrderImages(state, GalleryOptions{}, RootCollation(), front_end));
  EXPECT_THAT(front_end.Events(),
              ElementsAre("value 1", "value 2", "value 3", "value 4", "value 0"));
  EXPECT_EQ(front_end.YieldCount(), 4);
}

TEST(OrderImagesTest, CancelStopsTheOrderingAndEmptiesTheRun) {
  RunState state = StateWith(
      {{"/s/", "d.jpg"}, {"/s/", "c.jpg"}, {"/s/", "b.jpg"}, {"/s/", "a.jpg"}, {"/s/", "0.jpg"}},
      0);
  testing::RecordingFrontEnd front_end;
  front_end.RecordProgress(true);
  front_end.CancelAtYield(3);
  EXPECT_FALSE(OrderImages(state, GalleryOptions{}, RootCollation(), front_end));
  EXPECT_EQ(state.ImageCount, 0);
  EXPECT_TRUE(state.CancelRequested);
  EXPECT_EQ(front_end.YieldCount(), 3);
  EXPECT_THAT(front_end.Events(), ElementsAre("value 1", "value 2", "value 3"));
}

TEST(OrderImagesTest, OneEntryIsLeftAlone) {
  RunState state = StateWith({{"/s/", "a.jpg"}}, 0);
  testing::RecordingFrontEnd front_end;
  front_end.RecordProgress(true);
  EXPECT_TRUE(OrderImages(state, GalleryOptions{}, RootCollation(), front_end));
  EXPECT_EQ(front_end.YieldCount(), 0);
  EXPECT_TRUE(front_end.Events().empty());
  EXPECT_EQ(state.ImageCount, 1);
}

TEST(OrderImagesTest, OnlyEntriesInUseAreOrderedAndWholeRecordsTravel) {
  RunState state = StateWith(
      {{"/s/", "c.jpg", 3000, 30, 31}, {"/s/", "b.jpg", 2000, 20, 21}, {"/s/", "a.jpg"}}, 0);
  state.ImageCount = 2;
  testing::RecordingFrontEnd front_end;
  ASSERT_TRUE(OrderImages(state, GalleryOptions{}, RootCollation(), front_end));
  EXPECT_THAT(Names(state.ImageList), ElementsAre("b.jpg", "c.jpg", "a.jpg"));
  const ImageEntry& first = state.ImageList[0];
  EXPECT_EQ(first.ByteSize, 2000);
  EXPECT_EQ(first.Width, 20);
  EXPECT_EQ(first.Height, 21);
}

// A folder whose pictures are not neighbours in the list (the sort works on runs of neighbours)
// still comes out whole, its entries in their old order.
TEST(SortByFolderTest, EqualFoldersKeepTheirOrderWhereverTheyStand) {
  std::vector<ImageEntry> list = {{"/s/b/", "3"}, {"/s/b/", "1"}, {"/s/a/", "2"},
                                  {"/s/B/", "4"}, {"/s/b/", "0"}, {"/s/a/", "5"}};
  SortByFolder(list, 0, static_cast<int>(list.size()) - 1, RootCollation());
  std::vector<std::string> paths;
  for (const ImageEntry& entry : list) {
    paths.push_back(entry.Folder + entry.FileName);
  }
  EXPECT_THAT(paths, ElementsAre("/s/a/2", "/s/a/5", "/s/B/4", "/s/b/3", "/s/b/1", "/s/b/0"));
}

// Names of many scripts, cases and accents come out in the order of their keys, equal keys
// ordered by the bytes of the names.
TEST(SortByNameTest, NamesComeOutInTheOrderOfTheirKeys) {
  // Cases, accents, digits, punctuation, CJK, half- and full-width kana, a byte that is no UTF-8.
  const char* const parts[] = {"a",  "A",  "b",  "é",    "É",   "e",   "10", "2",
                               "_x", "x_", "写", "\xFF", "a b", "a-b", "ｱ",  "ア"};
  std::vector<ImageEntry> scanned;
  for (std::size_t i = 0; i < 1500; ++i) {
    scanned.push_back({"/s/", std::string(parts[i % 16]) + parts[(i / 16) % 16] +
                                  std::to_string(i % 7) + ".jpg"});
  }
  std::vector<std::string> expected = Names(scanned);
  std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
    const std::string key_a = RootCollation().SortKey(a);
    const std::string key_b = RootCollation().SortKey(b);
    return key_a != key_b ? key_a < key_b : a < b;
  });

  std::vector<ImageEntry> many = scanned;
  SortByName(many, 0, static_cast<int>(many.size()) - 1, RootCollation());
  EXPECT_EQ(Names(many), expected);
}

TEST(SortByNameTest, SortsOnlyTheGivenRange) {
  struct Case {
    int low;
    int high;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, 3, {"e", "b", "c", "d", "a"}},
      {0, 4, {"a", "b", "c", "d", "e"}},
      {2, 2, {"e", "d", "c", "b", "a"}},
      // Ranges that are empty or reach outside the list sort nothing.
      {3, 1, {"e", "d", "c", "b", "a"}},
      {-1, 3, {"e", "d", "c", "b", "a"}},
      {0, 5, {"e", "d", "c", "b", "a"}},
  };
  for (const Case& c : cases) {
    std::vector<ImageEntry> list = {
        {"/s/", "e"}, {"/s/", "d"}, {"/s/", "c"}, {"/s/", "b"}, {"/s/", "a"}};
    SortByName(list, c.low, c.high, RootCollation());
    EXPECT_THAT(Names(list), ElementsAreArray(c.expected)) << c.low << ".." << c.high;
  }
}

// Many equal folder keys once made the sort quadratic and as deep as the list.
TEST(OrderImagesTest, ThirtyThousandPicturesInOneFolderOrderQuickly) {
  constexpr int kOwnPictures = 30000;
  std::vector<ImageEntry> scanned;
  for (int i = kOwnPictures - 1; i >= 0; --i) {
    char name[16];
    std::snprintf(name, sizeof name, "p%05d.jpg", i);
    scanned.push_back({"/s/", name});
  }
  scanned.push_back({"/s/sub/", "a.jpg"});
  RunState state = StateWith(scanned, 1);
  testing::RecordingFrontEnd front_end;

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(OrderImages(state, GalleryOptions{}, RootCollation(), front_end));
  const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count();

  EXPECT_LT(milliseconds, 10000);
  EXPECT_EQ(front_end.YieldCount(), kOwnPictures + 1);
  EXPECT_EQ(state.ImageList.front().FileName, "p00000.jpg");
  EXPECT_EQ(state.ImageList[kOwnPictures - 1].FileName, "p29999.jpg");
  EXPECT_EQ(state.ImageList.back().Folder, "/s/sub/");
  EXPECT_TRUE(std::is_sorted(
      state.ImageList.begin(), state.ImageList.end() - 1,
      [](const ImageEntry& a, const ImageEntry& b) { return a.FileName < b.FileName; }));
}

}  // namespace
}  // namespace pictavue
