#include "platform/dir_listing.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

TEST(PatternMatchesTest, MatchesAsTheSystemsDirectorySearch) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"X.GIF", "*.gif", true},
      {"archive.tar.gif", "*.gif", true},
      {"a.gifx", "*.gif", false},
      {"gif", "*.gif", false},
      {"a.gif", "*.*", true},
      {"README", "*.*", true},  // "*.*" also lists names without a dot
      {".hidden", "*.*", true},
      {"abc", "*", true},
      {"abc", "abc.*", true},
      {"abd", "abc.*", false},
      {"abc", "a?c", true},
      {"ac", "a?c", false},
      {"日本.gif", "??.gif", true},  // '?' is one character, not one byte
      {"日本.gif", "?.gif", false},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PatternMatches(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
  }
}

// Each entry as "name/" for a folder or "name size" for a file, "@" marking a link; the size is
// asked of files only.
std::vector<std::string> ListAll(DirectorySearch& search) {
  std::vector<std::string> listed;
  while (search.Next()) {
    const std::string link = search.IsLink() ? "@" : "";
    listed.push_back(search.IsFolder()
                         ? search.Name() + "/" + link
                         : search.Name() + link + " " + std::to_string(search.ByteSize()));
  }
  return listed;
}

class SystemListerTest : public ::testing::Test {
 protected:
  SystemListerTest() {
    temp_.WriteFile("pics/b.GIF", "123");
    temp_.WriteFile("pics/A.gif", "12345");
    temp_.WriteFile("pics/c.txt", "");
    temp_.MakeFolder("pics/sub");
    temp_.MakeFolder("pics/x.jpg");
    fs::create_directory_symlink(temp_.Path("pics/sub"), temp_.Path("pics/ln"));
    fs::create_symlink(temp_.Path("nowhere"), temp_.Path("pics/dead.gif"));
    temp_.MakeFolder("empty");
  }
  testing::TempFolder temp_;
  std::unique_ptr<DirectoryLister> lister_ = MakeSystemDirectoryLister();
};

TEST_F(SystemListerTest, ListsMatchingEntriesInAStableOrderWithTheirKind) {
  const auto search = lister_->Open(temp_.Path("pics"), "*.*");
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(ListAll(*search),
            (std::vector<std::string>{"./", "../", "A.gif 5", "b.GIF 3", "c.txt 0", "dead.gif@ 0",
                                      "ln/@", "sub/", "x.jpg/"}));

  const auto gifs = lister_->Open(temp_.Path("pics") + "/", "*.gif");
  ASSERT_NE(gifs, nullptr);
  EXPECT_EQ(ListAll(*gifs), (std::vector<std::string>{"A.gif 5", "b.GIF 3", "dead.gif@ 0"}));
}

// Letters compare as upper case, so "_" (after "Z", before "a") separates the two foldings; names
// equal but for case keep the order of their bytes, also beyond their first eight; bytes beyond
// ASCII come last.
TEST(SystemListerOrderTest, NamesInTheSystemsOrder) {
  testing::TempFolder temp;
  const std::vector<std::string> expected = {
      ".",          "..",        "A",         "a", "a.b", "aa", "ABCDEFGH0", "abcdefgh1",
      "abcdefgh10", "ABCDEFGHI", "abcdefghi", "b", "Z",   "_x", "~",         "日本"};
  for (auto it = expected.rbegin(); it != expected.rend(); ++it) {
    if (*it != "." && *it != "..") {
      temp.WriteFile("f/" + *it, "");
    }
  }
  const auto lister = MakeSystemDirectoryLister();
  for (const char* pattern : {"*.*", "*"}) {
    const auto search = lister->Open(temp.Path("f"), pattern);
    ASSERT_NE(search, nullptr);
    std::vector<std::string> names;
    while (search->Next()) {
      names.push_back(search->Name());
    }
    EXPECT_EQ(names, expected) << pattern;
  }
}

TEST_F(SystemListerTest, TellsAFolderThatCannotBeOpenedFromAnEmptyOne) {
  EXPECT_EQ(lister_->Open(temp_.Path("missing"), "*.*"), nullptr);
  EXPECT_EQ(lister_->Open(temp_.Path("pics/A.gif"), "*.*"), nullptr);
  EXPECT_EQ(lister_->Open("", "*.*"), nullptr);

  const auto empty = lister_->Open(temp_.Path("empty"), "*.*");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(ListAll(*empty), (std::vector<std::string>{"./", "../"}));
  const auto no_gifs = lister_->Open(temp_.Path("empty"), "*.gif");
  ASSERT_NE(no_gifs, nullptr);
  EXPECT_FALSE(no_gifs->Next());
}

TEST_F(SystemListerTest, CannotOpenAFolderWithoutAccess) {
  const std::string locked = temp_.MakeFolder("locked");
  temp_.WriteFile("locked/a.gif", "x");
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  testing::UnprivilegedScope unprivileged;
  if (unprivileged.failed()) {
    GTEST_SKIP() << "root could not give up its access rights";
  }
  EXPECT_EQ(lister_->Open(locked, "*.*"), nullptr);
  EXPECT_NE(lister_->Open(temp_.Path("pics"), "*.*"), nullptr);
}

TEST_F(SystemListerTest, ReportsSizesBeyondFourGibibytes) {
  const std::string big = temp_.WriteFile("big/huge.jpg", "");
  constexpr std::int64_t kSize = (std::int64_t{5} << 30) + 7;
  fs::resize_file(big, static_cast<std::uintmax_t>(kSize));  // sparse: no disk space used
  const auto search = lister_->Open(temp_.Path("big"), "*.jpg");
  ASSERT_NE(search, nullptr);
  ASSERT_TRUE(search->Next());
  EXPECT_EQ(search->ByteSize(), kSize);
}

TEST_F(SystemListerTest, GivesAFolderOneIdentityHoweverItIsReached) {
  const auto sub = lister_->FolderIdentity(temp_.Path("pics/sub"));
  ASSERT_TRUE(sub.has_value());
  EXPECT_EQ(lister_->FolderIdentity(temp_.Path("pics/ln")), sub);
  EXPECT_EQ(lister_->FolderIdentity(temp_.Path("pics/sub/../sub")), sub);
  EXPECT_NE(lister_->FolderIdentity(temp_.Path("pics/x.jpg")), sub);
  EXPECT_EQ(lister_->FolderIdentity(temp_.Path("pics/A.gif")), std::nullopt);
  EXPECT_EQ(lister_->FolderIdentity(temp_.Path("missing")), std::nullopt);
}

}  // namespace
}  // namespace pictavue
