#include "generate/generation_run.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "support/data_table.h"
#include "support/settings_text.h"

namespace pictavue {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::OptionsFor;
using testing::RunFixture;
using Texts = std::vector<std::string>;

const std::string kCollecting = std::string("status ") + kStatusCollecting;
const std::string kMeasuring = std::string("status ") + kStatusMeasuring;
const std::string kSorting = std::string("status ") + kStatusSorting;
const std::string kWriting = std::string("status ") + kStatusWriting;
const std::string kStopLead = "message 16 Pictavue: 次の理由により処理を中止します。\r\n\r\n";

// Five pictures in three folders, added so that the listing order differs from the page order:
//   D:\Photos\b.bmp  120 x 90      D:\Photos\Trip\c.emf       200 x 300
//   D:\Photos\a.bmp  640 x 480     D:\Photos\Trip\Day 2\d.bmp  30 x 20, e.gif (not measurable)
// and a text file that is no picture.
void AddPhotos(RunFixture& run) {
  for (const auto& [path, size] : std::vector<std::pair<std::string, PixelSize>>{
           {"D:\\Photos\\b.bmp", {120, 90}},
           {"D:\\Photos\\a.bmp", {640, 480}},
           {"D:\\Photos\\Trip\\c.emf", {200, 300}},
           {"D:\\Photos\\Trip\\Day 2\\d.bmp", {30, 20}}}) {
    run.memory().AddFile(path, 1000);
    run.loader().Add(path, size);
  }
  run.memory().AddFile("D:\\Photos\\Trip\\Day 2\\e.gif", 10);
  run.memory().AddFile("D:\\Photos\\notes.txt", 10);
}

// "path widthxheight" of every picture, in page order.
Texts Pictures(const RunState& state) {
  Texts pictures;
  for (int i = 0; i < state.ImageCount; ++i) {
    const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
    pictures.push_back(entry.Folder + entry.FileName + " " + std::to_string(entry.Width) + "x" +
                       std::to_string(entry.Height));
  }
  return pictures;
}

TEST(ListingPatternTest, NarrowsTheListingOnlyForOneKindOtherThanJpeg) {
  for (const testing::Row& row : testing::ReadTable("generate/listing_patterns.tsv")) {
    EXPECT_EQ(ListingPattern(testing::OptionsFromSettings(row.From(1))), row[0]) << row.Text();
  }
}

TEST(GenerationRunTest, GoesThroughItsPhasesAndWritesEveryFileOnce) {
  RunFixture run;
  AddPhotos(run);
  const RunState state = run.Run(OptionsFor("D:\\Photos", "2", {"DirName=D:\\Out", "FrameMenu=1"}));
  EXPECT_THAT(run.front_end().Events(), ElementsAre(kCollecting, kMeasuring, kSorting,
                                                    "process events", kWriting, "process events"));
  EXPECT_THAT(
      run.WrittenPaths(),
      ElementsAre("D:\\Out\\Pictavue001.htm", "D:\\Out\\Pictavue002.htm",
                  "D:\\Out\\Pictavue003.htm", "D:\\Out\\Pictavue.htm", "D:\\Out\\Pictavuem.htm"));
  EXPECT_EQ(state.TopSubfolderCount, 1);
  EXPECT_FALSE(state.RunAborted || state.CancelRequested);
  EXPECT_EQ(state.PageToOpen, "D:\\Out\\Pictavue.htm");
  EXPECT_THAT(Pictures(state),
              ElementsAre("D:\\Photos\\a.bmp 640x480", "D:\\Photos\\b.bmp 120x90",
                          "D:\\Photos\\Trip\\c.emf 200x300", "D:\\Photos\\Trip\\Day 2\\d.bmp 30x20",
                          "D:\\Photos\\Trip\\Day 2\\e.gif 50x50"));
  // The pages are the writers' pages for this run, with its clock, sizes and home address.
  const std::string& first = run.written()[0].bytes;
  EXPECT_THAT(first, HasSubstr("<title>Pictavue [1/3]</title>"));
  EXPECT_THAT(first, HasSubstr("at 2026/03/01 09:05:07. -->"));
  EXPECT_THAT(first, HasSubstr("width=100 height=75 alt=\"D:\\Photos\\a.bmp 1.0kb 640x480pixel\""));
  EXPECT_THAT(first, HasSubstr("<a href=\"file:///C|/Program Files/Pictavue/docs/index.html\">"));
  EXPECT_THAT(run.written()[4].bytes, HasSubstr(">005-005</a>"));

  RunFixture one;
  one.memory().AddFile("D:\\Photos\\only.bmp", 10);
  EXPECT_EQ(one.Run(OptionsFor("D:\\Photos", "20", {"OutputDir=1"})).PageToOpen,
            "D:\\Photos\\Pictavue001.htm");
  EXPECT_THAT(one.front_end().Events(),
              ElementsAre(kCollecting, kMeasuring, kWriting, "process events"));  // not ordered
}

TEST(GenerationRunTest, SameSizeMeasuresOnlyTheFirstPictureFound) {
  struct Case {
    bool same_size;
    bool first_found_measurable;
    Texts sizes;  // in page order
    int loader_calls;
  };
  for (const Case& c : {Case{false, true, {"640x480", "120x90", "30x20"}, 3},
                        Case{true, true, {"120x90", "120x90", "120x90"}, 1},
                        Case{true, false, {"50x50", "50x50", "50x50"}, 1}}) {
    RunFixture run;
    // The listing gives b.bmp first; page order puts a.bmp first.
    run.memory().AddFile("D:\\Photos\\b.bmp", 10);
    if (c.first_found_measurable) {
      run.loader().Add("D:\\Photos\\b.bmp", {120, 90});
    }
    run.memory().AddFile("D:\\Photos\\a.bmp", 10);
    run.loader().Add("D:\\Photos\\a.bmp", {640, 480});
    run.memory().AddFile("D:\\Photos\\c\\c.bmp", 10);
    run.loader().Add("D:\\Photos\\c\\c.bmp", {30, 20});
    GalleryOptions options = OptionsFor("D:\\Photos", "");
    options.SameSize = c.same_size ? kChecked : kUnchecked;
    Texts sizes;
    for (const std::string& picture : Pictures(run.Run(options))) {
      sizes.push_back(picture.substr(picture.rfind(' ') + 1));
    }
    EXPECT_EQ(sizes, c.sizes) << c.same_size << c.first_found_measurable;
    EXPECT_EQ(run.loader().calls(), c.loader_calls);
  }
}

// Cancel pressed at the n-th yield of a run, for every n: the run stops at the next point where
// it looks (every yield of the scan, the measuring and the ordering; after each page), without a
// message, with ImageCount 0, and keeps the pages it has written. A page once begun is finished.
TEST(GenerationRunTest, CancelAtEveryPollPointKeepsThePagesWrittenSoFar) {
  const GalleryOptions options = OptionsFor("D:\\Photos", "2", {"DirName=D:\\Out", "FrameMenu=1"});
  RunFixture full;
  AddPhotos(full);
  static_cast<void>(full.Run(options));
  // The yields made before each page begins: the first page yields once for each of its two
  // pictures, and each page is followed by the poll that decides whether the next one begins.
  const std::vector<testing::WrittenFile>& files = full.written();
  const std::vector<int> page_starts = {files[0].yields_before - 2, files[0].yields_before + 1,
                                        files[1].yields_before + 1};
  ASSERT_EQ(files[2].yields_before + 1, full.front_end().YieldCount());
  const Texts all = full.WrittenPaths();
  const Texts& conversation = full.front_end().Events();

  for (int n = 1; n <= full.front_end().YieldCount(); ++n) {
    RunFixture run;
    AddPhotos(run);
    run.front_end().CancelAtYield(n);
    const RunState state = run.Run(options);
    const auto begun =
        std::count_if(page_starts.begin(), page_starts.end(), [n](int start) { return start < n; });
    EXPECT_EQ(run.WrittenPaths(), Texts(all.begin(), all.begin() + begun)) << n;
    EXPECT_EQ(state.ImageCount, 0) << n;
    EXPECT_TRUE(state.CancelRequested && !state.RunAborted && state.PageToOpen.empty()) << n;
    const Texts& events = run.front_end().Events();
    ASSERT_LE(events.size(), conversation.size()) << n;
    EXPECT_TRUE(std::equal(events.begin(), events.end(), conversation.begin())) << n;
  }
}

TEST(GenerationRunTest, AFolderWithoutPicturesIsReportedAndNothingIsWritten) {
  for (const bool only_gif : {false, true}) {  // with a BMP when only GIF is chosen
    RunFixture run;
    run.memory().AddFile("D:\\Photos\\notes.txt", 10);
    run.memory().AddFolder("D:\\Photos\\empty");
    GalleryOptions options = OptionsFor("D:\\Photos", "20");
    if (only_gif) {
      run.memory().AddFile("D:\\Photos\\a.bmp", 10);
      options.JPEG = options.PNG = options.BMP = options.WMF = options.EMF = kUnchecked;
    }
    const RunState state = run.Run(options);
    EXPECT_THAT(
        run.front_end().Events(),
        ElementsAre(kCollecting, "message 48 Pictavue: " + std::string(kNoPicturesMessage)));
    EXPECT_THAT(run.written(), IsEmpty());
    EXPECT_EQ(state.ImageCount, 0);
    EXPECT_FALSE(state.RunAborted || state.CancelRequested);
    EXPECT_EQ(state.PageToOpen, "");
  }
}

// Three pages with the frame set are the phases test's; runs.tsv has the other outcomes.
TEST(GenerationRunTest, TheFilesWrittenAndThePageToOpenFollowTheOptions) {
  for (const testing::Row& row : testing::ReadTable("generate/runs.tsv")) {
    RunFixture run;
    if (row[0] == "photos") {
      AddPhotos(run);
    }
    for (int i = row[0] == "photos" ? 0 : std::stoi(row[0]); i > 0; --i) {
      run.memory().AddFile("D:\\Many\\" + std::to_string(100000 + i) + ".gif", 10);
    }
    if (row[2] != "-") {
      run.FailWriting(row[3] + row[2], "disk full");
    }
    const RunState state =
        run.Run(OptionsFor(row[0] == "photos" ? "D:\\Photos" : "D:\\Many", row[1], row.From(7)));
    Texts written;
    std::istringstream names(row[4]);
    for (std::string name; names >> name;) {
      written.push_back(row[3] + name);
    }
    if (std::isdigit(static_cast<unsigned char>(row[4][0]))) {
      EXPECT_EQ(run.written().size(), std::stoul(row[4])) << row.Text();
    } else {
      EXPECT_EQ(run.WrittenPaths(), written) << row.Text();
    }
    EXPECT_EQ(state.PageToOpen, row[5] == "-" ? "" : row[3] + row[5]) << row.Text();
    EXPECT_EQ(run.front_end().EventsStartingWith("message"),
              row[6] == "-" ? Texts() : Texts{kStopLead + row[6]})
        << row.Text();
    EXPECT_EQ(state.RunAborted, row[6] != "-") << row.Text();
  }
}

TEST(GenerationRunTest, PagesAreWrittenInTheCodePageOfTheRun) {
  RunFixture run;
  run.memory().AddFile("D:\\Photos\\夏.gif", 10);
  run.set_code_page("CP932");
  static_cast<void>(run.Run(OptionsFor("D:\\Photos", "", {"OutputDir=1", "Title=写真 ©"})));
  ASSERT_EQ(run.written().size(), 1u);
  // 写真 in Shift_JIS; © has no Shift_JIS form and becomes a character reference.
  EXPECT_THAT(run.written()[0].bytes, HasSubstr("<title>\x8E\xCA\x90\x5E &#169; [1/1]</title>"));
  EXPECT_THAT(run.written()[0].bytes, HasSubstr("<img src=\"\x89\xC4.gif\""));
}

}  // namespace
}  // namespace pictavue
