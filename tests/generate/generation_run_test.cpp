// The generation run over Windows-style trees in memory, and over a tree of bad things on the real
// file system with the system's lister, loader and file writer and the plug-ins built beside it.

#include "generate/generation_run.h"

#include <cctype>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "support/data_table.h"
#include "support/memory_directory.h"
#include "support/recording_front_end.h"
#include "support/settings_text.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using ::testing::HasSubstr;
using Texts = std::vector<std::string>;

// A run with a fixed clock, by default over a tree in memory whose loader answers from a table. The
// writer keeps each file, or fails as a full disk would.
struct RunFixture : PictureLoader {
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll&) override {
    ++loader_calls;
    const auto found = sizes.find(path);
    return found == sizes.end() ? std::nullopt : std::optional(found->second);
  }
  RunState Run(const GalleryOptions& options) {
    const Collation collation = Collation::ForLocale("C");
    RunState state;
    RunGeneration({.lister = *lister,
                   .plugins = plugins,
                   .loader = *loader,
                   .collation = collation,
                   .code_page = code_page,
                   .style = style,
                   .clock = [] { return testing::kFixedNow; },
                   .write_file =
                       [this](const std::string& path, std::string_view bytes) {
                         if (failures.contains(path)) {
                           return Status::Failure(failures.at(path));
                         }
                         paths.push_back(path);
                         pages.emplace_back(bytes);
                         return on_disk ? WritePageFile(path, bytes) : Status::Ok();
                       },
                   .default_output_folder = default_output_folder,
                   .home_address = testing::kWindowsHome},
                  options, state, front_end);
    return state;
  }

  MemoryDirectory memory;
  std::map<std::string, PixelSize> sizes;
  int loader_calls = 0;
  DirectoryLister* lister = &memory;
  PictureLoader* loader = this;
  Plugins plugins;
  PathStyle style = PathStyle::kWindows;
  CodePage code_page{"UTF-8"};
  std::string default_output_folder = "C:\\Program Files\\Pictavue";
  bool on_disk = false;
  RecordingFrontEnd front_end;
  std::map<std::string, std::string> failures;  // path: the description of its failed write
  Texts paths, pages;                           // of each file written, in order
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
  for (const Row& row : ReadTable("generate/run_trees.tsv")) {
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
  for (const Row& row : ReadTable("generate/listing_patterns.tsv")) {
    EXPECT_EQ(ListingPattern(OptionsFromSettings(row.From(1))), row[0]) << row.Text();
  }
}

TEST(GenerationRunTest, PhasesFilesSizesAndOutcomes) {
  for (const Row& row : ReadTable("generate/runs.tsv")) {
    SCOPED_TRACE(row.Text());
    RunFixture run;
    const std::size_t cancel = row[0].find('@');  // "tree@n": Cancel pressed at the n-th yield
    const std::string search_dir = AddTree(run, row[0].substr(0, cancel));
    run.front_end.CancelAtYield(cancel == std::string::npos ? 0
                                                            : std::stoi(row[0].substr(cancel + 1)));
    if (row[2] != "-") {
      run.failures[row[3] + row[2]] = "disk full";
    }
    const RunState state = run.Run(OptionsFor(search_dir, row[1], row.From(10)));
    std::string written;  // the names below the output folder, or their number
    for (const std::string& path : run.paths) {
      written += (written.empty() ? "" : " ") + Filled(path, {{row[3], ""}});
    }
    const bool counted = std::isdigit(static_cast<unsigned char>(row[4][0]));
    EXPECT_EQ(counted ? std::to_string(run.paths.size()) : written, row[4]);
    EXPECT_EQ(state.PageToOpen, row[5] == "-" ? "" : row[3] + row[5]);
    EXPECT_EQ(run.front_end.Events(), Items(row[6]));
    const bool aborted = row[6].find("message 16") != std::string::npos;
    EXPECT_EQ(state.RunAborted, aborted);
    EXPECT_EQ(state.CancelRequested, cancel != std::string::npos);
    if (!aborted) {
      EXPECT_EQ(state.ImageCount == 0, row[5] == "-");  // no pictures
    }
    if (row[7] != "-") {
      Texts sizes;
      for (int i = 0; i < state.ImageCount; ++i) {
        const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
        sizes.push_back(std::to_string(entry.Width) + "x" + std::to_string(entry.Height));
      }
      EXPECT_EQ(sizes, Items(row[7]));
      EXPECT_EQ(run.loader_calls, std::stoi(row[8]));
    }
    for (const std::string& text : Items(row[9])) {
      EXPECT_THAT(run.pages.at(0), HasSubstr(text));
    }
  }
}

#ifndef _WIN32

// The bytes a maker of the table writes from its numbers.
std::string Made(const std::string& kind, const std::vector<int>& n) {
  const auto side = [&n](std::size_t i) { return static_cast<std::int16_t>(n.at(i)); };
  return kind == "empty"  ? std::string()
         : kind == "gif"  ? MakeGif(n.at(0), n.at(1))
         : kind == "jpeg" ? MakeJpeg(n.at(0), n.at(1), n.size() > 2 ? n[2] : 0)
         : kind == "jpeg-headers"
             ? MakeJpeg(n.at(0), n.at(1), JpegOptions{.with_scan = false, .colour = {}})
         : kind == "png" ? MakePng(n.at(0), n.at(1))
         : kind == "emf" ? MakeEmf({n.at(0), n.at(1), n.at(2), n.at(3)})
         : kind == "wmf"
             ? MakeWmf({side(0), side(1), side(2), side(3), static_cast<std::uint16_t>(n.at(4))})
         : kind.starts_with("bmp") ? MakeBmp(n.at(0), n.at(1),
                                             kind == "bmp"        ? BmpKind::kInfo
                                             : kind == "bmp-core" ? BmpKind::kCore
                                                                  : BmpKind::kInfoTopDown)
                                   : throw std::runtime_error("no maker " + kind);
}

// Makes one entry of the table, locked at once when it says so (a folder's entries come first).
void MakeEntry(const TempFolder& folder, const std::string& relative, const std::string& recipe) {
  std::istringstream in(recipe);
  const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
  const std::string& kind = words.at(0);
  std::size_t at = 1;
  std::vector<int> numbers;
  for (; at < words.size() && std::isdigit(static_cast<unsigned char>(words[at][0])); ++at) {
    numbers.push_back(std::stoi(words[at]));
  }
  const fs::path path = folder.Path(relative);
  fs::create_directories(kind == "folder" ? path : path.parent_path());
  if (kind == "link") {
    return fs::create_directory_symlink(words.at(1), path);
  }
  if (kind == "fifo") {
    EXPECT_TRUE(MakeFifo(path.string()));
    fs::permissions(path, fs::perms::all & ~fs::perms::others_exec);  // open to the run
  }
  std::string bytes = kind == "folder" || kind == "fifo" ? "" : Made(kind, numbers);
  const auto word = [&words, &at] { return words.at(at++); };
  const auto number = [&word] { return static_cast<std::size_t>(std::stoul(word())); };
  while (at < words.size()) {
    const std::string change = word();
    if (change == "locked") {
      continue;
    }
    const std::size_t n = number();
    const std::string piece = change == "cut" ? "" : word();
    bytes = change == "cut"         ? Truncated(bytes, n)
            : change == "cut-after" ? bytes.substr(0, bytes.find(piece) + n)
            : change == "put"       ? std::string(bytes).replace(n, piece.size(), piece)
            : change == "insert"    ? std::string(bytes).insert(n, piece)
            : change == "repeat"    ? bytes + Repeat(piece, n)
                                    : throw std::runtime_error("no change " + change);
  }
  if (kind != "folder" && kind != "fifo") {
    folder.WriteFile(relative, bytes);
  }
  if (words.back() == "locked") {
    fs::permissions(path, fs::perms::none);
  }
}

// Bad things must not stop the run: every picture measured or 50 x 50, nothing else collected,
// whole pages in the output folder only; without root's rights, so that locks hold for it.
TEST(HostileTreeTest, WithAndWithoutThePlugins) {
  for (const bool with_plugins : {true, false}) {
    SCOPED_TRACE(with_plugins ? "with the plug-ins" : "without plug-ins");
    TempFolder folder;
    std::map<std::string, Row> expected;  // by the entry's real path
    for (const Row& row : ReadTable("generate/hostile_tree.tsv")) {
      MakeEntry(folder, "tree/" + row[0], row[1]);
      expected[fs::weakly_canonical(folder.Path("tree/" + row[0])).string()] = row;
    }
    RunFixture run;
    run.default_output_folder = folder.MakeFolder("out");
    fs::permissions(run.default_output_folder, fs::perms::all);
    const std::unique_ptr<DirectoryLister> lister = MakeSystemDirectoryLister();
    const std::unique_ptr<PictureLoader> loader = MakePictureLoader();
    run.lister = lister.get();
    run.loader = loader.get();
    run.plugins =
        with_plugins ? Plugins::Load(PICTAVUE_PLUGIN_FOLDER, CodePage("UTF-8")) : Plugins();
    run.style = PathStyle::kPosix;
    run.on_disk = true;
    RunState state;
    {
      const UnprivilegedScope unprivileged;
      ASSERT_FALSE(unprivileged.failed()) << "cannot give up root's rights";
      state = run.Run(OptionsFor(folder.Path("tree"), "20", {"FrameMenu=1"}));
    }
    ASSERT_FALSE(state.RunAborted) << ::testing::PrintToString(run.front_end.Events());

    std::map<std::string, int> seen;
    for (int i = 0; i < state.ImageCount; ++i) {
      const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
      const std::string real = fs::weakly_canonical(entry.Folder + entry.FileName).string();
      const auto found = expected.find(real);
      const std::string size = found == expected.end() ? "-" : found->second[with_plugins ? 2 : 3];
      EXPECT_EQ(std::to_string(entry.Width) + "x" + std::to_string(entry.Height),
                size == "?" ? "50x50" : size)  // "-": collected, but must not be
          << ::testing::PrintToString(real);
      const bool file = fs::is_regular_file(real);
      EXPECT_EQ(entry.ByteSize, file ? static_cast<std::int64_t>(fs::file_size(real)) : 0) << real;
      ++seen[real];
    }
    for (const auto& [real, row] : expected) {
      if (row[with_plugins ? 2 : 3] != "-") {
        EXPECT_GE(seen[real], 1) << "missing " << row.Text();
        EXPECT_LE(seen[real], row.size() > 4 ? 2 : 1) << "more than once " << row.Text();
      }
    }
    ASSERT_FALSE(run.paths.empty());
    for (const std::string& path : run.paths) {
      EXPECT_TRUE(path.starts_with(run.default_output_folder + "/")) << path;
      EXPECT_TRUE(ReadFileBytes(path).ends_with("</html>\r\n")) << path << " is cut short";
    }
  }
}
#endif

}  // namespace
}  // namespace pictavue
