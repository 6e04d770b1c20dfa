// The generation run over a tree of bad things (tests/data/generate/hostile_tree.tsv) on the real
// file system, with the system's lister, loader and file writer and the plug-ins built beside the
// tests. It must finish, measure every good picture, give 50 x 50 to each picture it cannot
// measure, collect nothing else, and write whole pages into its output folder and nowhere else.
// It runs without root's rights, so that what is locked is locked for it.

#include <filesystem>
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
#include "support/picture_writers.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue::testing {
namespace {

namespace fs = std::filesystem;

std::string Hex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

// Makes one entry of the table; true when it is to be locked once the tree stands.
bool MakeEntry(const TempFolder& folder, const std::string& relative, const std::string& recipe) {
  const fs::path path = folder.Path(relative);
  std::istringstream in(recipe);
  const auto word = [&in] {
    std::string text;
    in >> text;
    return text;
  };
  const auto number = [&word] { return std::stoll(word()); };
  std::vector<int> n;  // the maker's numbers, read in order
  const auto numbers = [&](int count) {
    for (n.clear(); count > 0; --count) {
      n.push_back(static_cast<int>(number()));
    }
  };
  fs::create_directories(path.parent_path());
  const std::string kind = word();
  std::string bytes;
  if (kind == "folder") {
    fs::create_directories(path);
  } else if (kind == "fifo") {
    EXPECT_TRUE(MakeFifo(path.string()));
    fs::permissions(path, fs::perms::all & ~fs::perms::others_exec);  // open to the run
  } else if (kind == "link") {
    fs::create_directory_symlink(word(), path);
  } else if (kind == "bytes") {
    bytes = Hex(word());
  } else if (kind == "wmf" || kind == "emf") {
    numbers(kind == "wmf" ? 5 : 4);
    bytes = kind == "wmf"
                ? MakeWmf({static_cast<std::int16_t>(n[0]), static_cast<std::int16_t>(n[1]),
                           static_cast<std::int16_t>(n[2]), static_cast<std::int16_t>(n[3]),
                           static_cast<std::uint16_t>(n[4])})
                : MakeEmf({n[0], n[1], n[2], n[3]});
  } else if (kind != "empty") {
    numbers(2);
    bytes = kind == "gif"           ? MakeGif(n[0], n[1])
            : kind == "jpeg"        ? MakeJpeg(n[0], n[1])
            : kind == "png"         ? MakePng(n[0], n[1])
            : kind == "bmp"         ? MakeBmp(n[0], n[1])
            : kind == "bmp-topdown" ? MakeBmp(n[0], n[1], BmpKind::kInfoTopDown)
            : kind == "bmp-core"    ? MakeBmp(n[0], n[1], BmpKind::kCore)
                                    : throw std::runtime_error("no maker " + kind);
  }
  bool locked = false;
  for (std::string change = word(); !change.empty(); change = word()) {
    if (change == "cut") {
      bytes = Truncated(bytes, static_cast<std::size_t>(number()));
    } else if (change == "cut-after") {
      const std::string marker = Hex(word());
      bytes.resize(bytes.find(marker) + static_cast<std::size_t>(number()));
    } else if (change == "le16" || change == "le32") {
      const auto at = static_cast<std::size_t>(number());
      const auto value = static_cast<std::uint64_t>(number());
      for (std::size_t i = 0; i < (change == "le16" ? 2u : 4u); ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
      }
    } else if (change == "zero") {
      const auto at = static_cast<std::size_t>(number());
      bytes.replace(at, static_cast<std::size_t>(number()), std::string(4, '\0'));
    } else if (change == "insert") {
      const auto at = static_cast<std::size_t>(number());
      bytes.insert(at, Hex(word()));
    } else if (change == "append" || change == "repeat") {
      const long long times = change == "append" ? 1 : number();
      const std::string piece = Hex(word());
      for (long long i = 0; i < times; ++i) {
        bytes += piece;
      }
    } else if (change == "locked") {
      locked = true;
    } else {
      throw std::runtime_error("no change " + change);
    }
  }
  if (kind != "folder" && kind != "fifo" && kind != "link") {
    folder.WriteFile(relative, bytes);
  }
  return locked;
}

// "WxH" of a picture as the run measured it.
std::string SizeOf(const ImageEntry& entry) {
  return std::to_string(entry.Width) + "x" + std::to_string(entry.Height);
}

void RunOverTheTree(bool with_plugins) {
  SCOPED_TRACE(with_plugins ? "with the plug-ins" : "without plug-ins");
  TempFolder folder;
  std::map<std::string, Row> expected;  // by the entry's real path
  std::vector<std::string> to_lock;
  for (const Row& row : ReadTable("generate/hostile_tree.tsv")) {
    if (MakeEntry(folder, "tree/" + row[0], row[1])) {
      to_lock.push_back(folder.Path("tree/" + row[0]));
    }
    expected[fs::weakly_canonical(folder.Path("tree/" + row[0])).string()] = row;
  }
  for (const std::string& path : to_lock) {
    fs::permissions(path, fs::perms::none);
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
                                         return WriteFileReplacing(path, bytes);
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
    EXPECT_EQ(SizeOf(entry), size == "?" ? "50x50" : size) << ::testing::PrintToString(real);
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

TEST(HostileTreeTest, WithThePlugins) {
  RunOverTheTree(true);
}

TEST(HostileTreeTest, WithoutPlugins) {
  RunOverTheTree(false);
}

}  // namespace
}  // namespace pictavue::testing
