// What the file system says about paths, the program's own place and where its settings live,
// through the system's services: one contract, run on POSIX and under Windows.

#include "platform/path_kind.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/ascii_case.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "platform/settings_location.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

const bool kPosix = NativePathStyle() == PathStyle::kPosix;
const std::string kSeparator(1, Separator(NativePathStyle()));

TEST(SystemPathsTest, KindsOfPathsAndCanonicalFolders) {
  testing::TempFolder temp;
  temp.MakeFolder("Photos/Trip");
  const std::string folder = temp.Path("Photos");
  const std::string file = temp.WriteFile("Photos/a.gif", "GIF89a");
  if (kPosix) {
    fs::create_directory_symlink(folder, temp.Path("to-photos"));
    fs::create_symlink(temp.Path("gone"), temp.Path("broken"));
  }
  const std::pair<std::string, FileKind> kinds[] = {
      {folder, FileKind::kFolder},
      {folder + kSeparator, FileKind::kFolder},
      {file, FileKind::kFile},
      {temp.Path("missing"), FileKind::kMissing},
      {file + kSeparator + "x", FileKind::kMissing},
      {"", FileKind::kMissing},
      {folder + std::string(1, '\0') + "x", FileKind::kMissing},
      {kPosix ? "/dev/null" : "C:\\", kPosix ? FileKind::kFile : FileKind::kFolder},
      // Links are followed; a pattern is no name.
      {temp.Path(kPosix ? "to-photos" : "Photos"), FileKind::kFolder},
      {temp.Path(kPosix ? "broken" : "Photos/*.gif"), FileKind::kMissing},
  };
  for (const auto& [path, kind] : kinds) {
    EXPECT_EQ(PathKind(path), kind) << path;
  }

  const std::string base = NormalizeFolderPath(temp.Path());
  ASSERT_FALSE(base.empty());
  const std::string photos = base + kSeparator + "Photos";
  const std::pair<std::string, std::string> canonical[] = {
      {temp.Path("Photos/Trip") + kSeparator, photos + kSeparator + "Trip"},
      {temp.Path("Photos/Trip") + kSeparator + "..", photos},
      {temp.Path("Photos/Missing") + kSeparator + "..", photos},  // ".." goes by text
      {temp.Path("Photos/Missing"), ""},
      {"", ""},
      {kPosix ? "/" : "c:", kPosix ? "/" : "C:\\"},
  };
  for (const auto& [path, normalized] : canonical) {
    EXPECT_EQ(NormalizeFolderPath(path), normalized) << path;
  }
  const testing::CurrentFolderChange change(folder);
  EXPECT_EQ(NormalizeFolderPath(CurrentFolder()), photos);
  if (kPosix) {  // relative to the current folder; links stay as written
    EXPECT_EQ(NormalizeFolderPath("Trip"), photos + "/Trip");
    EXPECT_EQ(NormalizeFolderPath(".."), base);
    EXPECT_EQ(NormalizeFolderPath(base + "/to-photos/Trip"), base + "/to-photos/Trip");
  } else {  // every name as stored, whatever the letter case typed
    EXPECT_EQ(NormalizeFolderPath("  " + AsciiUpper(temp.Path("Photos/Trip")) + "  "),
              photos + "\\Trip");
    EXPECT_EQ(NormalizeFolderPath(temp.Path("Photos/Tr*")), "");  // a pattern names nothing
  }
}

TEST(SystemPathsTest, WhereTheProgramsFilesAndTheSettingsLive) {
  const std::string file = ProgramFilePath("");
  ASSERT_EQ(PathKind(file), FileKind::kFile);
  EXPECT_EQ(LastComponent(file, NativePathStyle()).rfind("platform_test", 0), 0u);
  EXPECT_EQ(ProgramFolder("") + kSeparator + LastComponent(file, NativePathStyle()), file);

  const auto style = [](const std::string& name) {
    return name == "win" ? PathStyle::kWindows : PathStyle::kPosix;
  };
  constexpr ProgramLayout kInstalled{"../lib/x86_64-linux-gnu/pictavue", "../share/pictavue",
                                     "../share/doc/pictavue"};
  for (const auto& c : testing::CaseTable("platform/settings_location.txt", "program files")) {
    const ProgramFiles files = ProgramFilesIn(
        c[1], c[2] == "installed" ? kInstalled : kPortableLayout, c.Bool(3), style(c[0]));
    EXPECT_EQ(files.program_folder + "|" + files.library_folder + "|" + files.data_folder + "|" +
                  files.docs_folder,
              c[1] + "|" + c[4] + "|" + c[5] + "|" + c[6])
        << c;
  }
  for (const auto& c : testing::CaseTable("platform/settings_location.txt", "choose")) {
    const SettingsLocation got =
        ChooseSettingsLocation({style(c[0]), c[1], c.Bool(2), c.Bool(3), c.Bool(4), c[5], c[6]});
    EXPECT_EQ(got.settings_file_path + "|" + got.settings_folder + "|" + got.default_output_folder +
                  "|" + (got.portable ? "1" : "0"),
              c[7] + "|" + c[8] + "|" + c[9] + "|" + c[10])
        << c;
  }

  testing::TempFolder temp;
  const std::string program = temp.MakeFolder("program");
  const SettingsLocation beside = LocateSettings(LocateProgramFiles(program), true);
  EXPECT_TRUE(beside.portable);
  EXPECT_EQ(beside.settings_file_path, program + kSeparator + "Pictavue.ini");

  // A program folder the user cannot write: the user's configuration folder, made when asked,
  // unless the settings file is there already.
  const std::string home = temp.MakeFolder("home");
  const std::string kept = temp.MakeFolder("kept");
  temp.WriteFile("kept/Pictavue.ini", "[Option]\r\n");
  for (const std::string& read_only : {program, kept}) {
    fs::permissions(read_only, fs::perms::owner_write, fs::perm_options::remove);
  }
  fs::permissions(home, fs::perms::all);  // also the home of the unprivileged user below
  const testing::ScopedEnvironment home_change("HOME", home.c_str());
  const testing::ScopedEnvironment xdg_change("XDG_CONFIG_HOME", nullptr);
  // The search starts at home, or at the root of the Windows folder's drive.
  EXPECT_EQ(DefaultSearchFolder().substr(kPosix ? 0 : 1), kPosix ? home : ":\\");
  const testing::UnprivilegedScope unprivileged;  // root may write anywhere
  if (unprivileged.failed() || !kPosix) {
    return;
  }
  EXPECT_EQ(PathKind(LocateSettings(LocateProgramFiles(program), false).settings_folder),
            FileKind::kMissing);
  const SettingsLocation location = LocateSettings(LocateProgramFiles(program), true);
  EXPECT_FALSE(location.portable);
  EXPECT_EQ(location.settings_file_path, home + "/.config/pictavue/Pictavue.ini");
  EXPECT_EQ(location.default_output_folder, home);
  EXPECT_EQ(PathKind(location.settings_folder), FileKind::kFolder);
  EXPECT_TRUE(LocateSettings(LocateProgramFiles(kept), true).portable);
}

}  // namespace
}  // namespace pictavue
