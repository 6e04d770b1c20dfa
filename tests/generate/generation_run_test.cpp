#include "generate/generation_run.h"

#include <cerrno>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/page_layout.h"
#include "generate/run_fixture.h"

namespace pictavue {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::PhaseFrontEnd;
using testing::RunFixture;
using testing::RunOptions;

const std::string kCollecting = std::string("status ") + kStatusCollecting.text;
const std::string kMeasuring = std::string("status ") + kStatusMeasuring.text;
const std::string kSorting = std::string("status ") + kStatusSorting.text;
const std::string kWriting = std::string("status ") + kStatusWriting.text;
const std::string kStopLead = "message 16 Pictavue: 次の理由により処理を中止します。\r\n\r\n";

// Five pictures in three folders, added so that the listing order differs from the page order:
//   D:\Photos\b.bmp  120 x 90      D:\Photos\Trip\c.emf       200 x 300
//   D:\Photos\a.bmp  640 x 480     D:\Photos\Trip\Day 2\d.bmp  30 x 20, e.gif (not measurable)
// and a text file that is no picture.
void AddPhotos(RunFixture& run) {
  struct Picture {
    const char* path;
    PixelSize size;
  };
  for (const Picture& picture :
       {Picture{"D:\\Photos\\b.bmp", {120, 90}}, Picture{"D:\\Photos\\a.bmp", {640, 480}},
        Picture{"D:\\Photos\\Trip\\c.emf", {200, 300}},
        Picture{"D:\\Photos\\Trip\\Day 2\\d.bmp", {30, 20}}}) {
    run.memory().AddFile(picture.path, 1000);
    run.table_loader().Add(picture.path, picture.size);
  }
  run.memory().AddFile("D:\\Photos\\Trip\\Day 2\\e.gif", 10);
  run.memory().AddFile("D:\\Photos\\notes.txt", 10);
}

std::vector<std::string> WrittenPaths(const RunFixture& run) {
  std::vector<std::string> paths;
  for (const testing::WrittenFile& file : run.written()) {
    paths.push_back(file.path);
  }
  return paths;
}

TEST(ListingPatternTest, NarrowsTheListingOnlyForOneKindOtherThanJpeg) {
  struct Case {
    std::vector<int GalleryOptions::*> kinds;
    const char* pattern;
  };
  const auto gif = &GalleryOptions::GIF;
  const auto jpeg = &GalleryOptions::JPEG;
  const auto png = &GalleryOptions::PNG;
  const auto bmp = &GalleryOptions::BMP;
  const auto wmf = &GalleryOptions::WMF;
  const auto emf = &GalleryOptions::EMF;
  for (const Case& c :
       {Case{{gif}, "*.gif"}, Case{{png}, "*.png"}, Case{{emf}, "*.emf"}, Case{{jpeg}, "*.*"},
        Case{{gif, jpeg}, "*.*"}, Case{{png, bmp, wmf, emf}, "*.*"}}) {
    GalleryOptions options;
    options.GIF = kUnchecked;
    for (const auto kind : c.kinds) {
      options.*kind = kChecked;
    }
    EXPECT_EQ(ListingPattern(options), c.pattern) << c.pattern;
    // A dimmed box, which only a hand-edited settings file gives, counts as on.
    for (const auto kind : c.kinds) {
      options.*kind = kGrayed;
    }
    EXPECT_EQ(ListingPattern(options), c.pattern) << c.pattern << " dimmed";
  }
}

TEST(GenerationRunTest, GoesThroughItsPhasesAndWritesEveryFileOnce) {
  RunFixture run;
  AddPhotos(run);
  GalleryOptions options = RunOptions("D:\\Photos", "2", "D:\\Out");
  options.FrameMenu = kChecked;
  const RunState state = run.Run(options);

  EXPECT_THAT(
      run.front_end().Conversation(),
      ElementsAre(kCollecting, kMeasuring, kSorting, "process events", kWriting, "process events"));
  EXPECT_THAT(WrittenPaths(run), ElementsAre("D:\\Out\\Pictavue001.htm", "D:\\Out\\Pictavue002.htm",
                                             "D:\\Out\\Pictavue003.htm", "D:\\Out\\Pictavue.htm",
                                             "D:\\Out\\Pictavuem.htm"));
  EXPECT_EQ(state.ImageCount, 5);
  EXPECT_EQ(state.TopSubfolderCount, 1);
  EXPECT_FALSE(state.RunAborted);
  EXPECT_FALSE(state.CancelRequested);
  EXPECT_EQ(state.PageToOpen, "D:\\Out\\Pictavue.htm");

  // The pictures in page order with their measured sizes; the GIF could not be measured here.
  std::vector<std::string> pictures;
  for (int i = 0; i < state.ImageCount; ++i) {
    const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
    pictures.push_back(entry.Folder + entry.FileName + " " + std::to_string(entry.Width) + "x" +
                       std::to_string(entry.Height));
  }
  EXPECT_THAT(pictures,
              ElementsAre("D:\\Photos\\a.bmp 640x480", "D:\\Photos\\b.bmp 120x90",
                          "D:\\Photos\\Trip\\c.emf 200x300", "D:\\Photos\\Trip\\Day 2\\d.bmp 30x20",
                          "D:\\Photos\\Trip\\Day 2\\e.gif 50x50"));

  // The pages are the writers' pages for this run, with the run's clock and home address.
  const std::string& first = run.written()[0].bytes;
  EXPECT_THAT(first, HasSubstr("<title>Pictavue [1/3]</title>"));
  EXPECT_THAT(first, HasSubstr("at 2026/03/01 09:05:07. -->"));
  EXPECT_THAT(first, HasSubstr("Photos<br><br>\r\n<a href=\"JavaScript:NewWindow('file:///D|/"
                               "Photos/a.bmp', 'SubWin', 640, 480);\"><img src=\"file:///D|/"
                               "Photos/a.bmp\" width=100 height=75 alt=\"D:\\Photos\\a.bmp 1.0kb "
                               "640x480pixel\" border=0></a>\r\n"));
  EXPECT_THAT(first, HasSubstr("<a href=\"file:///C|/Program Files/Pictavue/docs/index.html\">"));
  EXPECT_THAT(run.written()[2].bytes, HasSubstr("Day 2<br><br>\r\n"));
  EXPECT_THAT(run.written()[4].bytes,
              HasSubstr("<a href=\"Pictavue003.htm\" target=\"main\">005-005</a><br>"));
}

TEST(GenerationRunTest, OnePictureIsNotOrdered) {
  RunFixture run;
  run.memory().AddFile("D:\\Photos\\only.bmp", 10);
  const RunState state = run.Run(RunOptions("D:\\Photos", "20", "D:\\Out"));
  EXPECT_THAT(run.front_end().Conversation(),
              ElementsAre(kCollecting, kMeasuring, kWriting, "process events"));
  EXPECT_EQ(state.ImageCount, 1);
  EXPECT_EQ(state.PageToOpen, "D:\\Out\\Pictavue001.htm");
}

TEST(GenerationRunTest, SameSizeMeasuresOnlyTheFirstPictureFound) {
  struct Case {
    const char* name;
    bool same_size;
    bool first_found_measurable;
    std::vector<std::string> sizes;  // in page order
    int loader_calls;
  };
  for (const Case& c : {
           Case{"each measured", false, true, {"640x480", "120x90", "30x20"}, 3},
           Case{"first found is b.bmp", true, true, {"120x90", "120x90", "120x90"}, 1},
           Case{"first found unknown", true, false, {"50x50", "50x50", "50x50"}, 1},
       }) {
    RunFixture run;
    // The listing gives b.bmp first; page order puts a.bmp first.
    run.memory().AddFile("D:\\Photos\\b.bmp", 10);
    if (c.first_found_measurable) {
      run.table_loader().Add("D:\\Photos\\b.bmp", {120, 90});
    }
    run.memory().AddFile("D:\\Photos\\a.bmp", 10);
    run.table_loader().Add("D:\\Photos\\a.bmp", {640, 480});
    run.memory().AddFile("D:\\Photos\\c\\c.bmp", 10);
    run.table_loader().Add("D:\\Photos\\c\\c.bmp", {30, 20});
    GalleryOptions options = RunOptions("D:\\Photos", "", "D:\\Out");
    options.SameSize = c.same_size ? kChecked : kUnchecked;
    const RunState state = run.Run(options);

    std::vector<std::string> sizes;
    for (int i = 0; i < state.ImageCount; ++i) {
      const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
      sizes.push_back(std::to_string(entry.Width) + "x" + std::to_string(entry.Height));
    }
    EXPECT_THAT(sizes, ElementsAreArray(c.sizes)) << c.name;
    EXPECT_EQ(run.table_loader().calls(), c.loader_calls) << c.name;
  }
}

// Cancel pressed at the n-th yield of a run, for every n: the run stops at the next point where
// it looks (every yield of the scan, the measuring and the ordering; after each page), without a
// message, with ImageCount 0, and keeps the pages it has written. A page once begun is finished.
TEST(GenerationRunTest, CancelAtEveryPollPointKeepsThePagesWrittenSoFar) {
  GalleryOptions options = RunOptions("D:\\Photos", "2", "D:\\Out");
  options.FrameMenu = kChecked;

  RunFixture full;
  AddPhotos(full);
  static_cast<void>(full.Run(options));
  const int total_yields = full.front_end().YieldCount();
  const int yields_before_pages = full.front_end().YieldsAtStatus(kStatusWriting.text).value_or(-1);
  std::vector<int> page_polls;  // the yield that looks for cancel after each page
  for (const testing::WrittenFile& file : full.written()) {
    if (file.path.find("Pictavue0") != std::string::npos) {
      page_polls.push_back(file.yields_before + 1);
    }
  }
  ASSERT_EQ(page_polls.size(), 3u);
  ASSERT_EQ(page_polls.back(), total_yields);
  const std::vector<std::string> full_conversation = full.front_end().Conversation();

  for (int n = 1; n <= total_yields; ++n) {
    RunFixture run;
    AddPhotos(run);
    run.front_end().CancelAtYield(n);
    const RunState state = run.Run(options);

    std::size_t expected_pages = 0;
    if (n > yields_before_pages) {
      while (page_polls[expected_pages] < n) {
        ++expected_pages;
      }
      ++expected_pages;
    }
    const std::vector<std::string> all = WrittenPaths(full);
    const std::vector<std::string> expected(
        all.begin(), all.begin() + static_cast<std::ptrdiff_t>(expected_pages));
    const std::vector<std::string> written = WrittenPaths(run);
    EXPECT_EQ(written, expected) << "cancel at yield " << n;
    EXPECT_EQ(state.ImageCount, 0) << n;
    EXPECT_TRUE(state.CancelRequested) << n;
    EXPECT_FALSE(state.RunAborted) << n;
    EXPECT_EQ(state.PageToOpen, "") << n;
    EXPECT_THAT(run.front_end().EventsStartingWith("message"), IsEmpty()) << n;
    const std::vector<std::string> conversation = run.front_end().Conversation();
    ASSERT_LE(conversation.size(), full_conversation.size()) << n;
    EXPECT_TRUE(std::equal(conversation.begin(), conversation.end(), full_conversation.begin()))
        << n;
  }
}

TEST(GenerationRunTest, AFolderWithoutPicturesIsReportedAndNothingIsWritten) {
  struct Case {
    const char* name;
    bool only_gif;
  };
  for (const Case& c : {Case{"no picture at all", false}, Case{"none of the chosen kind", true}}) {
    RunFixture run;
    run.memory().AddFile("D:\\Photos\\notes.txt", 10);
    run.memory().AddFolder("D:\\Photos\\empty");
    if (c.only_gif) {
      run.memory().AddFile("D:\\Photos\\a.bmp", 10);
    }
    GalleryOptions options = RunOptions("D:\\Photos", "20", "D:\\Out");
    if (c.only_gif) {
      options.JPEG = options.PNG = options.BMP = options.WMF = options.EMF = kUnchecked;
    }
    const RunState state = run.Run(options);
    EXPECT_THAT(run.front_end().Conversation(),
                ElementsAre(kCollecting,
                            "message 48 Pictavue: "
                            "指定されたフォルダには画像ファイルが存在しません。"))
        << c.name;
    EXPECT_THAT(run.written(), IsEmpty()) << c.name;
    EXPECT_EQ(state.ImageCount, 0) << c.name;
    EXPECT_FALSE(state.RunAborted) << c.name;
    EXPECT_FALSE(state.CancelRequested) << c.name;
    EXPECT_EQ(state.PageToOpen, "") << c.name;
  }
}

// Three pages with the frame set are the phases test's; these are the other outcomes.
TEST(GenerationRunTest, PageToOpenAndTheFilesWrittenFollowTheOptions) {
  struct Case {
    const char* name;
    const char* search_dir;
    const char* ipp;  // "" for "無制限"
    int output_dir;
    const char* dir_name;
    bool frame_menu;
    const char* file_name;
    const char* out_folder;  // where the pages are expected
    const char* pages;       // the names expected, in order, blank-separated
    const char* page_to_open;
    int ipp_position = kNoListPosition;  // a list position instead of the typed number
  };
  const char* const kDefaultOut = "C:\\Program Files\\Pictavue\\";
  for (const Case& c : {
           Case{"unlimited", "D:\\Photos", "", kOutputDirChosen, "D:\\Out", true, "Pictavue",
                "D:\\Out\\", "Pictavue.htm", "Pictavue.htm"},
           Case{"three pages without the frame set", "D:\\Photos", "2", kOutputDirChosen,
                "D:\\Out\\", false, "gal", "D:\\Out\\", "gal001.htm gal002.htm gal003.htm",
                "gal001.htm"},
           Case{"one page never gets a frame set", "D:\\Photos", "", kOutputDirChosen, "D:\\Out",
                true, "Pictavue", "D:\\Out\\", "Pictavue001.htm", "Pictavue001.htm", 0},
           Case{"a half goes to the even neighbour", "D:\\Photos", "2.5", kOutputDirChosen,
                "D:\\Out", false, "p", "D:\\Out\\", "p001.htm p002.htm p003.htm", "p001.htm"},
           Case{"the search folder", "D:\\Photos", "20", kOutputDirSearch, "D:\\Out", false,
                "Pictavue", "D:\\Photos\\", "Pictavue001.htm", "Pictavue001.htm"},
           Case{"the search folder typed with its backslash", "D:\\Photos\\", "20",
                kOutputDirSearch, "", false, "Pictavue", "D:\\Photos\\", "Pictavue001.htm",
                "Pictavue001.htm"},
           Case{"no chosen folder: the default output folder", "D:\\Photos", "20", kOutputDirChosen,
                "", false, "Pictavue", kDefaultOut, "Pictavue001.htm", "Pictavue001.htm"},
       }) {
    RunFixture run;
    AddPhotos(run);
    GalleryOptions options = RunOptions(c.search_dir, c.ipp, c.dir_name);
    if (c.ipp_position != kNoListPosition) {
      options.IPP = c.ipp_position;
    }
    options.OutputDir = c.output_dir;
    options.FrameMenu = c.frame_menu ? kChecked : kUnchecked;
    options.FileName = c.file_name;
    const RunState state = run.Run(options);
    std::vector<std::string> expected;
    std::istringstream pages(c.pages);
    for (std::string page; pages >> page;) {
      expected.push_back(c.out_folder + page);
    }
    EXPECT_THAT(run.front_end().EventsStartingWith("message"), IsEmpty()) << c.name;
    EXPECT_THAT(WrittenPaths(run), ElementsAreArray(expected)) << c.name;
    EXPECT_EQ(state.PageToOpen, c.out_folder + std::string(c.page_to_open)) << c.name;
    EXPECT_EQ(state.ImageCount, 5) << c.name;
  }
}

TEST(GenerationRunTest, AFailureStopsTheRunWithItsOwnDescription) {
  struct Case {
    const char* name;
    int picture_count;
    std::string ipp;
    std::string description;
    std::size_t pages_written;
  };
  for (const Case& c : {
           // The scan's limit: nothing is measured or written.
           Case{"too many pictures", kMaxImages + 1, "20",
                "画像ファイルの数が上限（32760）を超えています。", 0},
           // The last page would reach beyond the signed 16-bit range: 32 pages of 999 pictures
           // are written, the 33rd stops the run.
           Case{"overflow", kMaxImages, "999", "オーバーフローしました。", 32},
           // A pictures-per-page text that no request check has seen.
           Case{"no number per page", 3, "abc",
                "１ページ内の画像数は１～９９９の数値を入力してください。", 0},
       }) {
    RunFixture run;
    for (int i = 0; i < c.picture_count; ++i) {
      run.memory().AddFile("D:\\Many\\" + std::to_string(100000 + i) + ".gif", 10);
    }
    GalleryOptions options = RunOptions("D:\\Many", c.ipp, "D:\\Out");
    options.SameSize = kChecked;
    options.FrameMenu = kChecked;
    const RunState state = run.Run(options);
    EXPECT_THAT(run.front_end().EventsStartingWith("message"),
                ElementsAre(kStopLead + c.description))
        << c.name;
    EXPECT_EQ(run.written().size(), c.pages_written) << c.name;
    EXPECT_TRUE(state.RunAborted) << c.name;
    EXPECT_EQ(state.PageToOpen, "") << c.name;
  }
}

}  // namespace
}  // namespace pictavue
