// Directory searches through the system's services: one contract, run on POSIX and under
// Windows, where FindFirstFileA lists in an order of its own.

#include "platform/dir_listing.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#ifndef _WIN32
#include <dirent.h>
#include <dlfcn.h>
#endif

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/temp_folder.h"

namespace {
bool hide_entry_types = false;  // read by the stand-in readdir below, POSIX only
}  // namespace

#ifndef _WIN32
// Some file systems (older XFS, some network and FUSE ones) leave every entry's type unknown; this
// test program can play one, so that the lister's own look at each entry is tested too.
extern "C" dirent* readdir(DIR* dir) {
  static const auto real = reinterpret_cast<dirent* (*)(DIR*)>(dlsym(RTLD_NEXT, "readdir"));
  dirent* entry = real(dir);
  if (entry != nullptr && hide_entry_types) {
    entry->d_type = DT_UNKNOWN;
  }
  return entry;
}
#endif

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::CaseTable;

constexpr char kCases[] = "platform/dir_listing.txt";
const bool kPosix = NativePathStyle() == PathStyle::kPosix;

TEST(DirListingTest, PatternsMatchAsTheSystemsSearch) {
  for (const auto& c : CaseTable(kCases, "patterns")) {
    EXPECT_EQ(PatternMatches(c[0], c[1]), c.Bool(2)) << c;
  }
}

// Names in the order the lister gives them: as they are on POSIX, sorted where the system has an
// order of its own.
std::vector<std::string> InListOrder(std::vector<std::string> names) {
  if (!kPosix) {
    std::sort(names.begin(), names.end());
  }
  return names;
}

// Each entry as "name/" for a folder or "name size" for a file, "@" marking a link.
std::vector<std::string> List(std::string_view folder, std::string_view pattern) {
  std::vector<std::string> listed;
  const auto search = MakeSystemDirectoryLister()->Open(folder, pattern);
  EXPECT_NE(search, nullptr) << folder;
  while (search && search->Next()) {
    const std::string link = search->IsLink() ? "@" : "";
    listed.push_back(search->IsFolder()
                         ? search->Name() + "/" + link
                         : search->Name() + link + " " + std::to_string(search->ByteSize()));
  }
  return InListOrder(listed);
}

TEST(DirListingTest, ListsMatchingEntriesWithTheirKindAndSize) {
  testing::TempFolder temp;
  temp.WriteFile("pics/b.GIF", "123");
  temp.WriteFile("pics/A.gif", "12345");
  temp.WriteFile("pics/c.txt", "");
  temp.MakeFolder("pics/sub");
  temp.MakeFolder("pics/x.jpg");
  temp.MakeFolder("empty");
  std::vector<std::string> all = {"./", "../", "A.gif 5", "b.GIF 3", "c.txt 0", "sub/", "x.jpg/"};
  std::vector<std::string> gifs = {"A.gif 5", "b.GIF 3"};
  if (kPosix) {
    fs::create_directory_symlink(temp.Path("pics/sub"), temp.Path("pics/ln"));
    fs::create_symlink(temp.Path("nowhere"), temp.Path("pics/dead.gif"));
    all = {"./", "../", "A.gif 5", "b.GIF 3", "c.txt 0", "dead.gif@ 0", "ln/@", "sub/", "x.jpg/"};
    gifs.push_back("dead.gif@ 0");
  }
  for (const bool hidden : {false, kPosix}) {
    hide_entry_types = hidden;
    EXPECT_EQ(List(temp.Path("pics"), "*.*"), InListOrder(all)) << hidden;
    EXPECT_EQ(List(temp.Path("pics") + Separator(NativePathStyle()), "*.GIF"), gifs) << hidden;
  }
  hide_entry_types = false;
  EXPECT_EQ(List(temp.Path("empty"), "*.*"), InListOrder({"./", "../"}));
  EXPECT_EQ(List(temp.Path("empty"), "*.gif"), std::vector<std::string>{});

  const auto lister = MakeSystemDirectoryLister();
  for (const std::string& no_folder : {temp.Path("missing"), temp.Path("pics/A.gif"), std::string(),
                                       temp.Path("pics") + std::string(1, '\0') + "x"}) {
    EXPECT_EQ(lister->Open(no_folder, "*.*"), nullptr) << no_folder;
  }
  if (!kPosix) {  // a drive's root holds no "." or "..", yet it can be listed
    EXPECT_NE(lister->Open("C:\\", "*.no-such-extension"), nullptr);
  }
}

// What FindFirstFileA gives by itself: its order, and sizes beyond 32 bits.
TEST(DirListingTest, PosixListsInTheWindowsOrderAndSizesBeyondFourGibibytes) {
  if (!kPosix) {
    GTEST_SKIP() << "the system's own order and sizes";
  }
  testing::TempFolder temp;
  const auto rows = CaseTable(kCases, "windows order");
  std::vector<std::string> expected = {"./", "../"};
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {  // made in the opposite order
    temp.WriteFile("f/" + (*row)[0], "");
    expected.insert(expected.begin() + 2, (*row)[0] + " 0");
  }
  for (const char* pattern : {"*.*", "*"}) {
    EXPECT_EQ(List(temp.Path("f"), pattern), expected) << pattern;
  }
  constexpr std::int64_t kSize = (std::int64_t{5} << 30) + 7;
  fs::resize_file(temp.WriteFile("big/huge.jpg", ""), kSize);  // sparse: no disk space used
  EXPECT_EQ(List(temp.Path("big"), "*.jpg"),
            std::vector<std::string>{"huge.jpg " + std::to_string(kSize)});
}

}  // namespace
}  // namespace pictavue
