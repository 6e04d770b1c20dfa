#include "platform/settings_location.h"

#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/path_kind.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

TEST(ChooseSettingsLocationTest, BesideAPortableCopyInTheUsersFolderForAnInstalledOne) {
  struct Case {
    const char* label;
    SettingsLocationInputs inputs;
    SettingsLocation expected;
  };
  constexpr PathStyle kPosix = PathStyle::kPosix;
  constexpr PathStyle kWin = PathStyle::kWindows;
  const Case cases[] = {
      // style, program folder, installed, writable, Pictavue.ini there, config home, home
      {"portable, writable (a build tree)",
       {kPosix, "/home/me/pictavue/build/bin", false, true, false, "", "/home/me"},
       {"/home/me/pictavue/build/bin/Pictavue.ini", "/home/me/pictavue/build/bin",
        "/home/me/pictavue/build/bin", true}},
      {"portable, read-only, settings file already there",
       {kPosix, "/opt/pictavue", false, false, true, "/home/me/.cfg", "/home/me"},
       {"/opt/pictavue/Pictavue.ini", "/opt/pictavue", "/opt/pictavue", true}},
      {"portable, read-only: the default configuration folder",
       {kPosix, "/opt/pictavue", false, false, false, "", "/home/me"},
       {"/home/me/.config/pictavue/Pictavue.ini", "/home/me/.config/pictavue", "/home/me", false}},
      {"installed, writable (root) and holding a settings file: never beside it",
       {kPosix, "/usr/bin", true, true, true, "/home/me/.cfg", "/home/me"},
       {"/home/me/.cfg/pictavue/Pictavue.ini", "/home/me/.cfg/pictavue", "/home/me", false}},
      {"installed, a relative XDG_CONFIG_HOME is ignored",
       {kPosix, "/usr/bin", true, false, false, "cfg", "/home/me"},
       {"/home/me/.config/pictavue/Pictavue.ini", "/home/me/.config/pictavue", "/home/me", false}},
      {"installed, no home folder, XDG_CONFIG_HOME set",
       {kPosix, "/usr/bin", true, false, false, "/etc/xdg-me", ""},
       {"/etc/xdg-me/pictavue/Pictavue.ini", "/etc/xdg-me/pictavue", "", false}},
      {"installed, nowhere to keep settings: none rather than beside the program",
       {kPosix, "/usr/bin", true, true, false, "", ""},
       {"", "", "", false}},
      {"portable, nowhere else to go",
       {kPosix, "/opt/pictavue", false, false, false, "", ""},
       {"/opt/pictavue/Pictavue.ini", "/opt/pictavue", "/opt/pictavue", true}},
      {"Windows, portable at a drive root",
       {kWin, "E:\\", false, true, false, "C:\\Users\\me\\AppData\\Roaming", "C:\\Users\\me"},
       {"E:\\Pictavue.ini", "E:\\", "E:\\", true}},
      {"Windows, portable copy that cannot write beside itself",
       {kWin, "D:\\Tools\\Pic", false, false, false, "C:\\Users\\me\\AppData\\Roaming",
        "C:\\Users\\me"},
       {"C:\\Users\\me\\AppData\\Roaming\\Pictavue\\Pictavue.ini",
        "C:\\Users\\me\\AppData\\Roaming\\Pictavue", "C:\\Users\\me", false}},
      {"Windows, installed in the program-files folder",
       {kWin, "C:\\Program Files\\Pictavue", true, true, false, "C:\\Users\\me\\AppData\\Roaming",
        "C:\\Users\\me"},
       {"C:\\Users\\me\\AppData\\Roaming\\Pictavue\\Pictavue.ini",
        "C:\\Users\\me\\AppData\\Roaming\\Pictavue", "C:\\Users\\me", false}},
  };
  for (const Case& c : cases) {
    const SettingsLocation got = ChooseSettingsLocation(c.inputs);
    EXPECT_EQ(got.settings_file_path, c.expected.settings_file_path) << c.label;
    EXPECT_EQ(got.settings_folder, c.expected.settings_folder) << c.label;
    EXPECT_EQ(got.default_output_folder, c.expected.default_output_folder) << c.label;
    EXPECT_EQ(got.portable, c.expected.portable) << c.label;
  }
}

class LocateSettingsTest : public ::testing::Test {
 protected:
  testing::TempFolder temp_;
};

TEST_F(LocateSettingsTest, CreatesThePrivateConfigurationFolderForAReadOnlyProgramWhenAsked) {
  const std::string program = temp_.MakeFolder("program");
  const std::string home = temp_.MakeFolder("home");
  ASSERT_EQ(chmod(program.c_str(), 0555), 0);
  ASSERT_EQ(chmod(home.c_str(), 0777), 0);  // also the home of the unprivileged user below
  testing::ScopedEnvironment home_change("HOME", home.c_str());
  testing::ScopedEnvironment xdg_change("XDG_CONFIG_HOME", nullptr);
  testing::UnprivilegedScope unprivileged;  // root may write anywhere
  if (unprivileged.failed()) {
    GTEST_SKIP() << "root could not give up its access rights";
  }

  const ProgramFiles files = ProgramFilesIn(program, kPortableLayout, false, PathStyle::kPosix);
  const SettingsLocation elsewhere = LocateSettings(files, false);
  EXPECT_EQ(PathKind(elsewhere.settings_folder), FileKind::kMissing);
  const SettingsLocation location = LocateSettings(files, true);
  EXPECT_FALSE(location.portable);
  EXPECT_EQ(location.settings_file_path, home + "/.config/pictavue/Pictavue.ini");
  EXPECT_EQ(location.default_output_folder, home);
  EXPECT_EQ(PathKind(location.settings_folder), FileKind::kFolder);
}

TEST_F(LocateSettingsTest, KeepsASettingsFileThatIsAlreadyBesideAReadOnlyProgram) {
  const std::string program = temp_.MakeFolder("program");
  temp_.WriteFile("program/Pictavue.ini", "[Option]\r\n");
  ASSERT_EQ(chmod(program.c_str(), 0555), 0);
  testing::UnprivilegedScope unprivileged;
  if (unprivileged.failed()) {
    GTEST_SKIP() << "root could not give up its access rights";
  }
  const SettingsLocation location =
      LocateSettings(ProgramFilesIn(program, kPortableLayout, false, PathStyle::kPosix), true);
  EXPECT_TRUE(location.portable);
  EXPECT_EQ(location.settings_file_path, program + "/Pictavue.ini");
}

}  // namespace
}  // namespace pictavue
