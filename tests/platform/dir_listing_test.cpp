// Directory searches through the system's services: one contract, run on POSIX and under
// Windows, where FindFirstFileA lists in an order of its own.

#include "platform/dir_listing.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

const bool kPosix = NativePathStyle() == PathStyle::kPosix;

TEST(DirListingTest, PatternsMatchAsTheSystemsSearch) {
  for (const auto& c : testing::CaseTable("platform/dir_listing.txt", "patterns")) {
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
  EXPECT_EQ(List(temp.Path("pics"), "*.*"), InListOrder(all));
  EXPECT_EQ(List(temp.Path("pics") + Separator(NativePathStyle()), "*.GIF"), gifs);
  EXPECT_EQ(List(temp.Path("empty"), "*.*"), InListOrder({"./", "../"}));
  EXPECT_EQ(List(temp.Path("empty"), "*.gif"), std::vector<std::string>{});

  const auto lister = MakeSystemDirectoryLister();
  EXPECT_EQ(lister->Open(temp.Path("missing"), "*.*"), nullptr);
  EXPECT_EQ(lister->Open(temp.Path("pics/A.gif"), "*.*"), nullptr);
  EXPECT_EQ(lister->Open("", "*.*"), nullptr);
  EXPECT_EQ(lister->Open(temp.Path("pics") + std::string(1, '\0') + "x", "*.*"), nullptr);
  if (!kPosix) {  // a drive's root holds no "." or "..", yet it can be listed
    EXPECT_NE(lister->Open("C:\\", "*.no-such-extension"), nullptr);
  }
}

TEST(DirListingTest, GivesAFolderOneIdentityHoweverItIsReached) {
  testing::TempFolder temp;
  temp.MakeFolder("pics/Sub");
  temp.MakeFolder("pics/x.jpg");
  const auto lister = MakeSystemDirectoryLister();
  const auto sub = lister->FolderIdentity(temp.Path("pics/Sub"));
  ASSERT_TRUE(sub.has_value());
  const char separator = Separator(NativePathStyle());
  EXPECT_EQ(lister->FolderIdentity(temp.Path("pics/Sub") + separator + ".." + separator + "Sub"),
            sub);
  EXPECT_NE(lister->FolderIdentity(temp.Path("pics/x.jpg")), sub);
  EXPECT_EQ(lister->FolderIdentity(temp.WriteFile("pics/a.gif", "")), std::nullopt);
  EXPECT_EQ(lister->FolderIdentity(temp.Path("missing")), std::nullopt);
  if (kPosix) {
    fs::create_directory_symlink(temp.Path("pics/Sub"), temp.Path("pics/ln"));
    EXPECT_EQ(lister->FolderIdentity(temp.Path("pics/ln")), sub);
  } else {
    EXPECT_EQ(lister->FolderIdentity(temp.Path("pics/sub") + separator), sub);
  }
}

// Letters compare as upper case, so "_" (after "Z", before "a") separates the two foldings; names
// equal but for case keep the order of their bytes, also beyond their first eight; bytes beyond
// ASCII come last.
TEST(DirListingTest, PosixListsInTheWindowsOrder) {
  if (!kPosix) {
    GTEST_SKIP() << "the system's own order";
  }
  testing::TempFolder temp;
  const std::vector<std::string> expected = {
      ".",          "..",        "A",         "a", "a.b", "aa", "ABCDEFGH0", "abcdefgh1",
      "abcdefgh10", "ABCDEFGHI", "abcdefghi", "b", "Z",   "_x", "~",         "日本"};
  for (auto it = expected.rbegin(); it != expected.rend() - 2; ++it) {
    temp.WriteFile("f/" + *it, "");
  }
  for (const char* pattern : {"*.*", "*"}) {
    const auto search = MakeSystemDirectoryLister()->Open(temp.Path("f"), pattern);
    ASSERT_NE(search, nullptr);
    std::vector<std::string> names;
    while (search->Next()) {
      names.push_back(search->Name());
    }
    EXPECT_EQ(names, expected) << pattern;
  }
}

TEST(DirListingTest, PosixFoldersWithoutAccessAndFilesBeyondFourGibibytes) {
  if (!kPosix) {
    GTEST_SKIP() << "sparse files and permission bits";
  }
  testing::TempFolder temp;
  constexpr std::int64_t kSize = (std::int64_t{5} << 30) + 7;
  fs::resize_file(temp.WriteFile("big/huge.jpg", ""), kSize);  // sparse: no disk space used
  EXPECT_EQ(List(temp.Path("big"), "*.jpg"),
            std::vector<std::string>{"huge.jpg " + std::to_string(kSize)});

  const std::string locked = temp.MakeFolder("locked");
  fs::permissions(locked, fs::perms::none);
  const testing::UnprivilegedScope unprivileged;
  if (unprivileged.failed()) {
    GTEST_SKIP() << "root could not give up its access rights";
  }
  EXPECT_EQ(MakeSystemDirectoryLister()->Open(locked, "*.*"), nullptr);
}

}  // namespace
}  // namespace pictavue
