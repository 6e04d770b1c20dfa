#include "generate/generation_run.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "support/data_table.h"
#include "support/memory_directory.h"
#include "support/recording_front_end.h"
#include "support/settings_text.h"

namespace pictavue {
namespace {

using ::testing::HasSubstr;
using testing::OptionsFor;
using Texts = std::vector<std::string>;

// A run over a Windows-style tree in memory; the loader answers sizes from a table by path, the
// writer keeps each file with the yields made before it, or fails as a full disk would.
struct RunFixture : PictureLoader {
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll&) override {
    ++loader_calls;
    const auto found = sizes.find(path);
    return found == sizes.end() ? std::nullopt : std::optional(found->second);
  }
  RunState Run(const GalleryOptions& options) {
    const Plugins plugins;
    const Collation collation = Collation::ForLocale("C");
    RunState state;
    RunGeneration({.lister = memory,
                   .plugins = plugins,
                   .loader = *this,
                   .collation = collation,
                   .code_page = code_page,
                   .style = PathStyle::kWindows,
                   .clock = [] { return testing::kFixedNow; },
                   .write_file =
                       [this](const std::string& path, std::string_view bytes) {
                         if (failures.contains(path)) {
                           return Status::Failure(failures.at(path));
                         }
                         paths.push_back(path);
                         pages.emplace_back(bytes);
                         yields_before.push_back(front_end.YieldCount());
                         return Status::Ok();
                       },
                   .default_output_folder = "C:\\Program Files\\Pictavue",
                   .home_address = testing::kWindowsHome},
                  options, state, front_end);
    return state;
  }

  testing::MemoryDirectory memory;
  std::map<std::string, PixelSize> sizes;
  int loader_calls = 0;
  testing::RecordingFrontEnd front_end;
  CodePage code_page{"UTF-8"};
  std::map<std::string, std::string> failures;  // path: the description of its failed write
  Texts paths, pages;                           // of each file written, in order
  std::vector<int> yields_before;               // the yields made before each was written
};

// A tree of run_trees.tsv below D:\Photos (the tree "summer" run in CP932), or "<n> gifs" below
// D:\Many; its search folder.
std::string AddTree(RunFixture& run, const std::string& tree) {
  if (tree == "summer") {
    run.code_page = CodePage("CP932");
  }
  if (tree.ends_with(" gifs")) {
    for (int i = std::stoi(tree); i > 0; --i) {
      run.memory.AddFile("D:\\Many\\" + std::to_string(100000 + i) + ".gif", 10);
    }
    return "D:\\Many";
  }
  for (const testing::Row& row : testing::ReadTable("generate/run_trees.tsv")) {
    if (row[0] == tree && row[3] == "folder") {
      run.memory.AddFolder(row[1]);
    } else if (row[0] == tree) {
      run.memory.AddFile(row[1], std::stoll(row[2]));
      if (row[3] != "-") {
        run.sizes[row[1]] = {std::stoi(row[3]), std::stoi(row[3].substr(row[3].find('x') + 1))};
      }
    }
  }
  return "D:\\Photos";
}

TEST(ListingPatternTest, NarrowsTheListingOnlyForOneKindOtherThanJpeg) {
  for (const testing::Row& row : testing::ReadTable("generate/listing_patterns.tsv")) {
    EXPECT_EQ(ListingPattern(testing::OptionsFromSettings(row.From(1))), row[0]) << row.Text();
  }
}

TEST(GenerationRunTest, PhasesFilesSizesAndOutcomes) {
  for (const testing::Row& row : testing::ReadTable("generate/runs.tsv")) {
    SCOPED_TRACE(row.Text());
    RunFixture run;
    const std::string search_dir = AddTree(run, row[0]);
    if (row[2] != "-") {
      run.failures[row[3] + row[2]] = "disk full";
    }
    const RunState state = run.Run(OptionsFor(search_dir, row[1], row.From(10)));
    std::string written;  // the names below the output folder, or their number
    for (const std::string& path : run.paths) {
      written += (written.empty() ? "" : " ") + testing::Filled(path, {{row[3], ""}});
    }
    const bool counted = std::isdigit(static_cast<unsigned char>(row[4][0]));
    EXPECT_EQ(counted ? std::to_string(run.paths.size()) : written, row[4]);
    EXPECT_EQ(state.PageToOpen, row[5] == "-" ? "" : row[3] + row[5]);
    EXPECT_EQ(run.front_end.Events(), testing::Items(row[6]));
    const bool aborted = row[6].find("message 16") != std::string::npos;
    EXPECT_EQ(state.RunAborted, aborted);
    if (!aborted) {
      EXPECT_EQ(state.ImageCount == 0, row[5] == "-");  // no pictures
    }
    if (row[7] != "-") {
      Texts sizes;
      for (int i = 0; i < state.ImageCount; ++i) {
        const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
        sizes.push_back(std::to_string(entry.Width) + "x" + std::to_string(entry.Height));
      }
      EXPECT_EQ(sizes, testing::Items(row[7]));
      EXPECT_EQ(run.loader_calls, std::stoi(row[8]));
    }
    for (const std::string& text : testing::Items(row[9])) {
      EXPECT_THAT(run.pages.at(0), HasSubstr(text));
    }
  }
}

// Cancel pressed at the n-th yield of a run, for every n: the run stops at the next point where
// it looks (every yield of the scan, the measuring and the ordering; after each page), without a
// message, with ImageCount 0, and keeps the pages it has written. A page once begun is finished.
TEST(GenerationRunTest, CancelAtEveryPollPointKeepsThePagesWrittenSoFar) {
  const GalleryOptions options = OptionsFor("D:\\Photos", "2", {"DirName=D:\\Out", "FrameMenu=1"});
  RunFixture full;
  AddTree(full, "photos");
  static_cast<void>(full.Run(options));
  // The yields made before each page begins: the first page yields once for each of its two
  // pictures, and each page is followed by the poll that decides whether the next one begins.
  const std::vector<int>& before = full.yields_before;
  const std::vector<int> page_starts = {before[0] - 2, before[0] + 1, before[1] + 1};
  ASSERT_EQ(before[2] + 1, full.front_end.YieldCount());
  const Texts& conversation = full.front_end.Events();

  for (int n = 1; n <= full.front_end.YieldCount(); ++n) {
    RunFixture run;
    AddTree(run, "photos");
    run.front_end.CancelAtYield(n);
    const RunState state = run.Run(options);
    const auto begun =
        std::count_if(page_starts.begin(), page_starts.end(), [n](int start) { return start < n; });
    EXPECT_EQ(run.paths, Texts(full.paths.begin(), full.paths.begin() + begun)) << n;
    EXPECT_EQ(state.ImageCount, 0) << n;
    EXPECT_TRUE(state.CancelRequested && !state.RunAborted && state.PageToOpen.empty()) << n;
    const Texts& events = run.front_end.Events();
    ASSERT_LE(events.size(), conversation.size()) << n;
    EXPECT_TRUE(std::equal(events.begin(), events.end(), conversation.begin())) << n;
  }
}

}  // namespace
}  // namespace pictavue
