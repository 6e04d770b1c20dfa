#include "collect/folder_scan.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/image_paths.h"
#include "support/memory_directory.h"
#include "support/recording_front_end.h"

namespace pictavue {
namespace {

using Paths = std::vector<std::string>;
using testing::ImagePaths;

ScanRequest Request(bool recurse, const std::string& pattern = "*.*") {
  return {.style = PathStyle::kWindows,
          .pattern = pattern,
          .recurse = recurse,
          .kinds = {.GIF = true, .JPEG = true}};
}

TEST(FolderScanTest, WhichNamesAndFoldersCount) {
  for (const auto& c : testing::CaseTable("collect/collect.txt", "extensions")) {
    const auto has = [&c](char kind) { return c[2].find(kind) != std::string::npos; };
    const PictureKinds kinds{has('G'), has('J'), has('P'), has('B'), has('W'), has('E'), has('p')};
    EXPECT_EQ(FileExtension(c[0]), c[1]) << c;
    EXPECT_EQ(IsWantedPicture(c[0], kinds), c.Bool(3)) << c;
  }
  for (const auto& c : testing::CaseTable("collect/collect.txt", "walkable")) {
    const PathStyle style = c[0] == "win" ? PathStyle::kWindows : PathStyle::kPosix;
    EXPECT_EQ(IsWalkableSubfolder(c[1], c[2], style), c.Bool(3)) << c;
  }
}

// An entry of "windows trees" into a Windows-style tree in memory.
void AddToTree(testing::MemoryDirectory& tree, const std::string& entry) {
  if (const std::size_t arrow = entry.find(" -> "); arrow != std::string::npos) {
    tree.AddLink(entry.substr(0, arrow), entry.substr(arrow + 4));
  } else if (entry.front() == '!') {
    tree.MakeUnreadable(entry.substr(1));
  } else if (entry.back() == '\\') {
    tree.AddFolder(entry);
  } else {
    tree.AddFile(entry);
  }
}

// Each scan of a tree of "windows trees": every poll point yields once, and a cancel stops the
// scan at the next one, keeping what it found so far.
TEST(FolderScanTest, WindowsTreesInListingOrder) {
  for (const auto& c : testing::CaseTable("collect/collect.txt", "windows scans")) {
    testing::MemoryDirectory tree;
    for (const auto& entry : testing::CaseTable("collect/collect.txt", "windows trees")) {
      if (entry[0] == c[0]) {
        AddToTree(tree, entry[1]);
      }
    }
    testing::RecordingFrontEnd front_end;
    front_end.CancelAtYield(c.Int(4));
    RunState state;
    EXPECT_TRUE(ScanFolder(tree, front_end, Request(c.Bool(2), c[3]), c[1], state).ok()) << c;
    EXPECT_EQ(ImagePaths(state), Paths(c.begin() + 7, c.end())) << c;
    EXPECT_EQ(state.TopSubfolderCount, c[5] == "-" ? state.TopSubfolderCount : c.Int(5)) << c;
    EXPECT_EQ(front_end.YieldCount(), c.Int(6)) << c;
    EXPECT_EQ(state.CancelRequested, c.Int(4) > 0) << c;
    EXPECT_EQ(tree.OpenSearches(), 0) << c;
  }
}

TEST(FolderScanLimitsTest, StopsWithAFailureBeyondThePictureOrSubfolderLimit) {
  for (const auto& c : testing::CaseTable("collect/collect.txt", "scan limits")) {
    const auto [in_first, in_second, subfolders] = std::array{c.Int(0), c.Int(1), c.Int(2)};
    testing::MemoryDirectory tree;
    for (int i = 0; i < in_first; ++i) {
      tree.AddFile("D:\\P\\" + std::to_string(i) + ".gif");
    }
    for (int i = 0; i < in_second; ++i) {
      tree.AddFile("D:\\P\\Sub\\" + std::to_string(i) + ".gif");
    }
    for (int i = 0; i < subfolders; ++i) {
      tree.AddFolder("D:\\P\\" + std::to_string(i));
    }
    testing::RecordingFrontEnd front_end;
    RunState state;
    // Subfolders searched only for pictures: the count of subfolders alone must still fit.
    const Status status = ScanFolder(tree, front_end, Request(subfolders == 0), "D:\\P\\", state);
    EXPECT_EQ(status.description(), c.Bool(3) ? kTooManyImagesMessage.text : "") << c;
    EXPECT_EQ(status.ok(), !c.Bool(3)) << c;
    EXPECT_EQ(state.ImageCount, c.Int(4)) << c;
    EXPECT_EQ(state.TopSubfolderCount, c.Int(5)) << c;
    EXPECT_EQ(tree.OpenSearches(), 0) << c;
  }
}

}  // namespace
}  // namespace pictavue
