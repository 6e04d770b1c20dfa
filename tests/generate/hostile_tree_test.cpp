// The generation run over a tree of bad things (tests/data/generate/hostile_tree.tsv) on the real
// file system, with the system's lister, loader and file writer and the plug-ins built beside the
// tests. It must finish, measure every good picture, give 50 x 50 to each picture it cannot
// measure, collect nothing else, and write whole pages into its output folder and nowhere else.
// It runs without root's rights, so that what is locked is locked for it.

#include <cctype>
#include <filesystem>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "generate/generation_run.h"
#include "support/data_table.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue::testing {
namespace {

namespace fs = std::filesystem;

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
    if (change == "cut") {
      bytes = Truncated(bytes, number());
    } else if (change == "cut-after") {
      const std::string piece = word();
      bytes.resize(bytes.find(piece) + number());
    } else if (change == "put" || change == "insert" || change == "repeat") {
      const std::size_t at_or_times = number();
      const std::string piece = word();
      if (change == "put") {
        bytes.replace(at_or_times, piece.size(), piece);
      } else if (change == "insert") {
        bytes.insert(at_or_times, piece);
      } else {
        bytes += Repeat(piece, at_or_times);
      }
    } else if (change != "locked") {
      throw std::runtime_error("no change " + change);
    }
  }
  if (kind != "folder" && kind != "fifo") {
    folder.WriteFile(relative, bytes);
  }
  if (words.back() == "locked") {
    fs::permissions(path, fs::perms::none);
  }
}

void RunOverTheTree(bool with_plugins) {
  SCOPED_TRACE(with_plugins ? "with the plug-ins" : "without plug-ins");
  TempFolder folder;
  std::map<std::string, Row> expected;  // by the entry's real path
  for (const Row& row : ReadTable("generate/hostile_tree.tsv")) {
    MakeEntry(folder, "tree/" + row[0], row[1]);
    expected[fs::weakly_canonical(folder.Path("tree/" + row[0])).string()] = row;
  }
  const std::string out = folder.MakeFolder("out");
  fs::permissions(out, fs::perms::all);

  const std::unique_ptr<DirectoryLister> lister = MakeSystemDirectoryLister();
  const std::unique_ptr<PictureLoader> loader = MakePictureLoader();
  const Plugins plugins =
      with_plugins ? Plugins::Load(PICTAVUE_PLUGIN_FOLDER, CodePage("UTF-8")) : Plugins();
  const Collation collation = Collation::ForLocale("C");
  const CodePage code_page("UTF-8");
  std::vector<std::string> written;
  const RunEnvironment environment{.lister = *lister,
                                   .plugins = plugins,
                                   .loader = *loader,
                                   .collation = collation,
                                   .code_page = code_page,
                                   .style = PathStyle::kPosix,
                                   .write_file =
                                       [&written](const std::string& path, std::string_view bytes) {
                                         written.push_back(path);
                                         return WritePageFile(path, bytes);
                                       },
                                   .default_output_folder = out,
                                   .home_address = ""};
  RecordingFrontEnd front_end;
  RunState state;
  {
    const UnprivilegedScope unprivileged;
    ASSERT_FALSE(unprivileged.failed()) << "cannot give up root's rights";
    RunGeneration(environment,
                  OptionsFor(folder.Path("tree"), "20", {"DirName=" + out, "FrameMenu=1"}), state,
                  front_end);
  }
  ASSERT_FALSE(state.RunAborted) << ::testing::PrintToString(front_end.Events());

  std::map<std::string, int> seen;
  for (int i = 0; i < state.ImageCount; ++i) {
    const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
    const std::string real = fs::weakly_canonical(entry.Folder + entry.FileName).string();
    const auto found = expected.find(real);
    const std::string size = found == expected.end() ? "-" : found->second[with_plugins ? 2 : 3];
    EXPECT_NE(size, "-") << "collected " << ::testing::PrintToString(real);
    EXPECT_EQ(std::to_string(entry.Width) + "x" + std::to_string(entry.Height),
              size == "?" ? "50x50" : size)
        << ::testing::PrintToString(real);
    ++seen[real];
  }
  for (const auto& [real, row] : expected) {
    if (row[with_plugins ? 2 : 3] != "-") {
      EXPECT_GE(seen[real], 1) << "missing " << row.Text();
      EXPECT_LE(seen[real], row.size() > 4 ? 2 : 1) << "more than once " << row.Text();
    }
  }
  ASSERT_FALSE(written.empty());
  for (const std::string& path : written) {
    EXPECT_TRUE(path.starts_with(out + "/")) << path;
    EXPECT_TRUE(ReadFileBytes(path).ends_with("</html>\r\n")) << path << " is cut short";
  }
}

TEST(HostileTreeTest, WithAndWithoutThePlugins) {
  RunOverTheTree(true);
  RunOverTheTree(false);
}

}  // namespace
}  // namespace pictavue::testing
