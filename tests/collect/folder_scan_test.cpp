#include "collect/folder_scan.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/memory_directory.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

PictureKinds GifAndJpeg() {
  PictureKinds kinds;
  kinds.GIF = true;
  kinds.JPEG = true;
  return kinds;
}

ScanRequest WindowsRequest(bool recurse, PictureKinds kinds = GifAndJpeg(),
                           const char* pattern = "*.*") {
  ScanRequest request;
  request.style = PathStyle::kWindows;
  request.pattern = pattern;
  request.recurse = recurse;
  request.kinds = kinds;
  return request;
}

// Folder + file name of every entry in use, in list order.
std::vector<std::string> Paths(const RunState& state) {
  std::vector<std::string> paths;
  for (int i = 0; i < state.ImageCount; ++i) {
    paths.push_back(state.ImageList[i].Folder + state.ImageList[i].FileName);
  }
  return paths;
}

TEST(FileExtensionTest, IsTheTextAfterTheLastDot) {
  struct Case {
    const char* name;
    const char* extension;
  };
  const Case cases[] = {
      {"A.JPEG", "JPEG"}, {"photo.jpe", "jpe"},  {"gif", ""}, {"archive.tar.gif", "gif"},
      {"name.", ""},      {".hidden", "hidden"}, {"", ""},    {"写真.Jpg", "Jpg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileExtension(c.name), c.extension) << c.name;
  }
}

TEST(IsWantedPictureTest, FollowsTheKindsTable) {
  struct Case {
    const char* name;
    PictureKinds kinds;
    bool wanted;
  };
  const PictureKinds gif{.GIF = true};
  const PictureKinds jpeg{.JPEG = true};
  const PictureKinds png_without_plugin{.PNG = true};
  const PictureKinds png_with_plugin{.PNG = true, .PngPluginAvailable = true};
  const PictureKinds plugin_only{.PngPluginAvailable = true};
  const PictureKinds bmp_wmf_emf{.BMP = true, .WMF = true, .EMF = true};
  const PictureKinds all{true, true, true, true, true, true, true};
  const Case cases[] = {
      {"A.JPEG", jpeg, true},
      {"b.jpg", jpeg, true},
      {"photo.jpe", jpeg, false},
      {"photo.jfif", all, false},
      {"scan.tif", all, false},
      {"gif", gif, false},
      {"archive.tar.gif", gif, true},
      {"X.GIF", gif, true},
      {"x.gif", jpeg, false},
      {"x.png", png_without_plugin, false},
      {"x.png", png_with_plugin, true},
      {"x.png", plugin_only, false},
      {"x.Bmp", bmp_wmf_emf, true},
      {"x.WMF", bmp_wmf_emf, true},
      {"x.emf", bmp_wmf_emf, true},
      {"x.emf", gif, false},
      {"x.", all, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWantedPicture(c.name, c.kinds), c.wanted) << c.name;
  }
}

TEST(IsWalkableSubfolderTest, SkipsDotFoldersAndTheInsideOfRecycleFolders) {
  constexpr PathStyle kWin = PathStyle::kWindows;
  constexpr PathStyle kPosix = PathStyle::kPosix;
  struct Case {
    PathStyle style;
    const char* folder;
    const char* name;
    bool walkable;
  };
  const Case cases[] = {
      {kWin, "D:\\Pics\\", "Trip", true},        {kWin, "D:\\Pics\\", ".thumbs", false},
      {kWin, "D:\\Pics\\", ".", false},          {kWin, "D:\\Pics\\", "..", false},
      {kWin, "e:\\recycler\\", "S-1-5", false},  {kWin, "F:\\Recycled\\deeper\\", "x", false},
      {kWin, "D:\\Pics\\RECYCLED\\", "x", true}, {kWin, "D:\\RECYCLE\\", "x", true},
      {kWin, "\\\\S\\RECYCLED\\", "x", true},    {kPosix, "D:\\RECYCLED\\", "x", true},
      {kPosix, "/home/me/", ".cache", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWalkableSubfolder(c.folder, c.name, c.style), c.walkable)
        << c.folder << " " << c.name;
  }
}

class WindowsTreeScanTest : public ::testing::Test {
 protected:
  Status Scan(const std::string& folder, const ScanRequest& request) {
    return ScanFolder(tree_, front_end_, request, folder, state_);
  }

  testing::MemoryDirectory tree_;
  testing::RecordingFrontEnd front_end_;
  RunState state_;
};

TEST_F(WindowsTreeScanTest, WalksADriveRootAndOnlyTheTopOfItsRecycleFolder) {
  tree_.AddFile("D:\\root.gif");
  tree_.AddFile("D:\\RECYCLED\\binned.gif");
  tree_.AddFile("D:\\RECYCLED\\S-1-5\\deep.gif");
  tree_.AddFile("D:\\Recycler\\old.jpg");
  tree_.AddFile("D:\\Recycler\\S-1-7\\older.jpg");
  tree_.AddFile("D:\\.thumbs\\t.gif");
  tree_.AddFile("D:\\Pics\\RECYCLED\\kept\\k.gif");

  ASSERT_TRUE(Scan("D:\\", WindowsRequest(true)).ok());
  EXPECT_EQ(Paths(state_), (std::vector<std::string>{
                               "D:\\root.gif",
                               "D:\\RECYCLED\\binned.gif",
                               "D:\\Recycler\\old.jpg",
                               "D:\\Pics\\RECYCLED\\kept\\k.gif",
                           }));
  EXPECT_EQ(state_.TopSubfolderCount, 3);  // RECYCLED, Recycler, Pics
  EXPECT_EQ(tree_.OpenSearches(), 0);
}

TEST_F(WindowsTreeScanTest, PutsTheSearchFoldersFilesFirstAndKeepsListingOrder) {
  tree_.AddFile("D:\\Pics\\Zoo\\lion.gif");
  tree_.AddFile("D:\\Pics\\Zoo\\Night\\owl.gif");
  tree_.AddFile("D:\\Pics\\Beach\\sand.gif");
  tree_.AddFile("D:\\Pics\\z.gif");
  tree_.AddFile("D:\\Pics\\a.gif");

  ASSERT_TRUE(Scan("D:\\Pics\\", WindowsRequest(true)).ok());
  EXPECT_EQ(Paths(state_), (std::vector<std::string>{
                               "D:\\Pics\\z.gif",
                               "D:\\Pics\\a.gif",
                               "D:\\Pics\\Zoo\\lion.gif",
                               "D:\\Pics\\Zoo\\Night\\owl.gif",
                               "D:\\Pics\\Beach\\sand.gif",
                           }));
  EXPECT_EQ(state_.TopSubfolderCount, 2);
}

TEST_F(WindowsTreeScanTest, CountsTheSubfoldersEvenWhenTheyAreNotSearched) {
  tree_.AddFile("D:\\Pics\\own.gif");
  tree_.AddFile("D:\\Pics\\One\\1.gif");
  tree_.AddFile("D:\\Pics\\Two\\2.gif");
  tree_.AddFolder("D:\\Pics\\Three");
  tree_.AddFolder("D:\\Pics\\.hidden");

  ASSERT_TRUE(Scan("D:\\Pics\\", WindowsRequest(false)).ok());
  EXPECT_EQ(Paths(state_), std::vector<std::string>{"D:\\Pics\\own.gif"});
  EXPECT_EQ(state_.TopSubfolderCount, 3);
}

TEST_F(WindowsTreeScanTest, ListsEachFolderTwiceAndClosesEverySearch) {
  tree_.AddFile("D:\\Pics\\a.gif");
  tree_.AddFile("D:\\Pics\\b.jpg");
  tree_.AddFile("D:\\Pics\\Sub\\c.gif");

  ASSERT_TRUE(Scan("D:\\Pics\\", WindowsRequest(true, PictureKinds{.GIF = true}, "*.gif")).ok());
  EXPECT_EQ(tree_.SearchLog(), (std::vector<std::string>{
                                   "D:\\Pics\\ *.*",
                                   "D:\\Pics\\ *.gif",
                                   "D:\\Pics\\Sub\\ *.*",
                                   "D:\\Pics\\Sub\\ *.gif",
                               }));
  EXPECT_EQ(tree_.OpenSearches(), 0);
  EXPECT_EQ(Paths(state_), (std::vector<std::string>{"D:\\Pics\\a.gif", "D:\\Pics\\Sub\\c.gif"}));
}

TEST_F(WindowsTreeScanTest, PassesOverAFolderThatCannotBeListed) {
  tree_.AddFile("D:\\Pics\\a.gif");
  tree_.AddFile("D:\\Pics\\Locked\\secret.gif");
  tree_.AddFile("D:\\Pics\\Open\\b.gif");
  tree_.MakeUnreadable("D:\\Pics\\Locked");

  ASSERT_TRUE(Scan("D:\\Pics\\", WindowsRequest(true)).ok());
  EXPECT_EQ(Paths(state_), (std::vector<std::string>{"D:\\Pics\\a.gif", "D:\\Pics\\Open\\b.gif"}));
  EXPECT_EQ(state_.TopSubfolderCount, 2);

  state_ = RunState();
  ASSERT_TRUE(Scan("D:\\Missing\\", WindowsRequest(true)).ok());
  EXPECT_EQ(state_.ImageCount, 0);
  EXPECT_EQ(state_.TopSubfolderCount, 0);
}

TEST_F(WindowsTreeScanTest, DoesNotWalkAJunctionBackIntoTheWalk) {
  tree_.AddFile("D:\\Pics\\a.gif");
  tree_.AddFile("D:\\Pics\\Sub\\b.gif");
  tree_.AddLink("D:\\Pics\\Sub\\Up", "D:\\Pics");
  tree_.AddLink("D:\\Pics\\Sub\\Again", "D:\\Pics\\Sub");
  tree_.AddFile("D:\\Elsewhere\\e.gif");
  tree_.AddLink("D:\\Pics\\Sub\\Out", "D:\\Elsewhere");

  ASSERT_TRUE(Scan("D:\\Pics\\", WindowsRequest(true)).ok());
  EXPECT_EQ(Paths(state_), (std::vector<std::string>{
                               "D:\\Pics\\a.gif",
                               "D:\\Pics\\Sub\\b.gif",
                               "D:\\Pics\\Sub\\Out\\e.gif",
                           }));
}

// The poll points of a small tree, in order:
//   1 entering D:\Pics\; 2-6 before ".", "..", "a.gif", "Sub", "b.txt" of its file listing;
//   7 before the subfolder Sub; 8 entering Sub; 9-11 before ".", "..", "c.gif".
TEST_F(WindowsTreeScanTest, StopsAtEachPollPointWhenCancelled) {
  tree_.AddFile("D:\\Pics\\a.gif");
  tree_.AddFile("D:\\Pics\\Sub\\c.gif");
  tree_.AddFile("D:\\Pics\\b.txt");
  struct Case {
    int cancel_at;  // 0: never
    std::vector<std::string> names;
    int yields;
  };
  const Case cases[] = {
      {1, {}, 1},           // entering the search folder
      {2, {}, 3},           // before a listed file; then before the subfolder
      {4, {}, 5},           // before a.gif is examined
      {5, {"a.gif"}, 6},    // right after a.gif
      {7, {"a.gif"}, 7},    // before the subfolder
      {8, {"a.gif"}, 8},    // entering the subfolder
      {11, {"a.gif"}, 11},  // before c.gif is examined
      {0, {"a.gif", "c.gif"}, 11},
  };
  for (const Case& c : cases) {
    testing::RecordingFrontEnd front_end;
    if (c.cancel_at > 0) {
      front_end.CancelAtYield(c.cancel_at);
    }
    RunState state;
    ASSERT_TRUE(ScanFolder(tree_, front_end, WindowsRequest(true), "D:\\Pics\\", state).ok());
    std::vector<std::string> names;
    for (int i = 0; i < state.ImageCount; ++i) {
      names.push_back(state.ImageList[i].FileName);
    }
    EXPECT_EQ(names, c.names) << "cancel at " << c.cancel_at;
    EXPECT_EQ(front_end.YieldCount(), c.yields) << "cancel at " << c.cancel_at;
    EXPECT_EQ(state.CancelRequested, c.cancel_at > 0) << "cancel at " << c.cancel_at;
    EXPECT_EQ(tree_.OpenSearches(), 0) << "cancel at " << c.cancel_at;
  }
}

TEST_F(WindowsTreeScanTest, StopsWithAFailureBeyondThePictureLimit) {
  struct Case {
    const char* label;
    int in_first;
    int in_second;
    bool fails;
  };
  const Case cases[] = {
      {"exactly the limit", kMaxImages, 0, false},
      {"one more in one folder", kMaxImages + 1, 0, true},
      {"one more across two folders", kMaxImages / 2, kMaxImages / 2 + 1, true},
  };
  for (const Case& c : cases) {
    testing::MemoryDirectory tree;
    for (int i = 0; i < c.in_first; ++i) {
      tree.AddFile("D:\\P\\" + std::to_string(i) + ".gif");
    }
    for (int i = 0; i < c.in_second; ++i) {
      tree.AddFile("D:\\P\\Sub\\" + std::to_string(i) + ".gif");
    }
    RunState state;
    const Status status = ScanFolder(tree, front_end_, WindowsRequest(true), "D:\\P\\", state);
    EXPECT_EQ(status.ok(), !c.fails) << c.label;
    if (c.fails) {
      EXPECT_EQ(status.description(), "画像ファイルの数が上限（32760）を超えています。");
    }
    EXPECT_EQ(state.ImageCount, c.fails ? kMaxImages : c.in_first) << c.label;
    EXPECT_EQ(tree.OpenSearches(), 0) << c.label;
  }
}

TEST_F(WindowsTreeScanTest, StopsWithAFailureBeyondTheSubfolderLimit) {
  for (const int subfolders : {kMaxImages, kMaxImages + 1}) {
    testing::MemoryDirectory tree;
    tree.AddFile("D:\\P\\own.gif");
    for (int i = 0; i < subfolders; ++i) {
      tree.AddFolder("D:\\P\\" + std::to_string(i));
    }
    RunState state;
    // Subfolders off: the count alone must still fit.
    const Status status = ScanFolder(tree, front_end_, WindowsRequest(false), "D:\\P\\", state);
    if (subfolders > kMaxImages) {
      EXPECT_FALSE(status.ok());
      EXPECT_EQ(status.description(), kTooManyImagesMessage.text);
      EXPECT_EQ(state.ImageCount, 0);
    } else {
      EXPECT_TRUE(status.ok());
      EXPECT_EQ(state.TopSubfolderCount, kMaxImages);
      EXPECT_EQ(state.ImageCount, 1);
    }
  }
}

class PosixTreeScanTest : public ::testing::Test {
 protected:
  ScanRequest Request() const {
    ScanRequest request;
    request.style = PathStyle::kPosix;
    request.recurse = true;
    request.kinds = GifAndJpeg();
    return request;
  }
  Status Scan(const std::string& folder) {
    return ScanFolder(*lister_, front_end_, Request(), folder, state_);
  }

  testing::TempFolder temp_;
  std::unique_ptr<DirectoryLister> lister_ = MakeSystemDirectoryLister();
  testing::RecordingFrontEnd front_end_;
  RunState state_;
};

TEST_F(PosixTreeScanTest, CollectsARealTreeWithSizes) {
  temp_.WriteFile("pics/b.GIF", "1234");
  temp_.WriteFile("pics/A.jpeg", "12");
  temp_.WriteFile("pics/notes.txt", "x");
  temp_.WriteFile("pics/.thumbs/t.gif", "x");
  temp_.WriteFile("pics/trip/c.jpg", "123");
  temp_.MakeFolder("pics/folder.gif");
  const std::string root = temp_.Path("pics") + "/";

  ASSERT_TRUE(Scan(root).ok());
  EXPECT_EQ(Paths(state_),
            (std::vector<std::string>{root + "A.jpeg", root + "b.GIF", root + "trip/c.jpg"}));
  ASSERT_EQ(state_.ImageCount, 3);
  EXPECT_EQ(state_.ImageList[0].ByteSize, 2);
  EXPECT_EQ(state_.ImageList[1].ByteSize, 4);
  EXPECT_EQ(state_.ImageList[2].ByteSize, 3);
  EXPECT_EQ(state_.TopSubfolderCount, 2);  // folder.gif and trip
}

TEST_F(PosixTreeScanTest, WalksEveryFolderOnceThroughALoopOfLinks) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "POSIX symbolic links";
  }
  temp_.WriteFile("pics/top.gif", "x");
  temp_.WriteFile("pics/a/in-a.gif", "x");
  temp_.WriteFile("outside/out.gif", "x");
  fs::create_directory_symlink("..", temp_.Path("pics/a/back"));
  fs::create_directory_symlink(".", temp_.Path("pics/a/self"));
  fs::create_directory_symlink("a", temp_.Path("pics/b"));
  fs::create_directory_symlink("../outside", temp_.Path("pics/c"));
  const std::string root = temp_.Path("pics") + "/";

  ASSERT_TRUE(Scan(root).ok());
  EXPECT_EQ(Paths(state_), (std::vector<std::string>{
                               root + "top.gif", root + "a/in-a.gif",
                               root + "c/out.gif",  // a link to a folder not yet seen is walked
                           }));
}

}  // namespace
}  // namespace pictavue
