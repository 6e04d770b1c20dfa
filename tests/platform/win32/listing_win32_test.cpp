// Directory searches with FindFirstFileA / FindNextFileA and folder identities.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/dir_listing.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using testing::TempFolder;

struct Listed {
  std::string name;
  bool folder = false;
  std::int64_t size = 0;
};

std::vector<Listed> List(const std::string& folder, const std::string& pattern) {
  std::vector<Listed> listed;
  const auto search = MakeSystemDirectoryLister()->Open(folder, pattern);
  EXPECT_NE(search, nullptr) << folder;
  while (search && search->Next()) {
    listed.push_back({search->Name(), search->IsFolder(), search->ByteSize()});
  }
  std::sort(listed.begin(), listed.end(),
            [](const Listed& a, const Listed& b) { return a.name < b.name; });
  return listed;
}

std::vector<std::string> NamesOf(const std::vector<Listed>& listed) {
  std::vector<std::string> names;
  for (const Listed& entry : listed) {
    names.push_back(entry.name);
  }
  return names;
}

TEST(ListingWin32, PatternsMatchAsTheSystemMatchesThem) {
  TempFolder folder;
  folder.WriteFile("A.GIF", "12345");
  folder.WriteFile("b.gif", "");
  folder.WriteFile("README", "");
  folder.WriteFile("c.jpeg", "");
  folder.MakeFolder("Sub");
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"*.*", {".", "..", "A.GIF", "README", "Sub", "b.gif", "c.jpeg"}},
      {"*.gif", {"A.GIF", "b.gif"}},
      {"*.GIF", {"A.GIF", "b.gif"}},
      {"*.jpg", {}},
      {"*.png", {}},
  };
  for (const Case& c : cases) {
    // Each name as stored, whatever the letter case of the pattern.
    EXPECT_EQ(NamesOf(List(folder.Path(), c.pattern)), c.names) << c.pattern;
  }
  const std::vector<Listed> all = List(folder.Path() + "\\", "*.*");
  const auto entry = [&all](const std::string& name) {
    return *std::find_if(all.begin(), all.end(), [&](const Listed& l) { return l.name == name; });
  };
  EXPECT_FALSE(entry("A.GIF").folder);
  EXPECT_EQ(entry("A.GIF").size, 5);
  EXPECT_TRUE(entry("Sub").folder);
  EXPECT_TRUE(entry("..").folder);
}

TEST(ListingWin32, FoldersThatCannotBeListed) {
  TempFolder folder;
  const std::string file = folder.WriteFile("x.gif", "");
  const auto lister = MakeSystemDirectoryLister();
  EXPECT_EQ(lister->Open(folder.Path("missing"), "*.*"), nullptr);
  EXPECT_EQ(lister->Open(file, "*.*"), nullptr);
  EXPECT_EQ(lister->Open("", "*.*"), nullptr);
  // A drive's root holds no "." or "..", yet it is a folder that can be listed.
  EXPECT_NE(lister->Open("C:\\", "*.no-such-extension"), nullptr);
}

TEST(ListingWin32, FolderIdentityWhateverTheSpelling) {
  TempFolder folder;
  const std::string trip = folder.MakeFolder("Trip");
  folder.MakeFolder("Other");
  const auto lister = MakeSystemDirectoryLister();
  const auto identity = lister->FolderIdentity(trip);
  ASSERT_TRUE(identity.has_value());
  std::string other_spelling = trip + "\\";
  std::transform(other_spelling.begin(), other_spelling.end(), other_spelling.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  EXPECT_EQ(lister->FolderIdentity(other_spelling), identity);
  EXPECT_EQ(lister->FolderIdentity(trip + "\\..\\Trip"), identity);
  EXPECT_NE(lister->FolderIdentity(folder.Path("Other")), identity);
  EXPECT_FALSE(lister->FolderIdentity(folder.WriteFile("f.gif", "")).has_value());
  EXPECT_FALSE(lister->FolderIdentity(folder.Path("missing")).has_value());
}

}  // namespace
}  // namespace pictavue
