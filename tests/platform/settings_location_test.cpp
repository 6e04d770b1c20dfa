#include "platform/settings_location.h"

#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/path_kind.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

TEST(ChooseSettingsLocationTest, PrefersTheProgramFolderWhereItCanBeUsed) {
  struct Case {
    const char* label;
    SettingsLocationInputs inputs;
    SettingsLocation expected;
  };
  const Case cases[] = {
      {"Windows, always beside the program, even at a drive root",
       {PathStyle::kWindows, "E:\\", false, false, "", ""},
       {"E:\\Pictavue.ini", "E:\\", "E:\\", true}},
      {"writable program folder (a build tree)",
       {PathStyle::kPosix, "/home/me/pictavue/build/bin", true, false, "", "/home/me"},
       {"/home/me/pictavue/build/bin/Pictavue.ini", "/home/me/pictavue/build/bin",
        "/home/me/pictavue/build/bin", true}},
      {"settings file already beside a read-only program",
       {PathStyle::kPosix, "/opt/pictavue", false, true, "/home/me/.cfg", "/home/me"},
       {"/opt/pictavue/Pictavue.ini", "/opt/pictavue", "/opt/pictavue", true}},
      {"installed program, default configuration folder",
       {PathStyle::kPosix, "/usr/bin", false, false, "", "/home/me"},
       {"/home/me/.config/pictavue/Pictavue.ini", "/home/me/.config/pictavue", "/home/me", false}},
      {"installed program, XDG_CONFIG_HOME set",
       {PathStyle::kPosix, "/usr/bin", false, false, "/home/me/.cfg", "/home/me"},
       {"/home/me/.cfg/pictavue/Pictavue.ini", "/home/me/.cfg/pictavue", "/home/me", false}},
      {"a relative XDG_CONFIG_HOME is ignored",
       {PathStyle::kPosix, "/usr/bin", false, false, "cfg", "/home/me"},
       {"/home/me/.config/pictavue/Pictavue.ini", "/home/me/.config/pictavue", "/home/me", false}},
      {"no home folder, XDG_CONFIG_HOME set",
       {PathStyle::kPosix, "/usr/bin", false, false, "/etc/xdg-me", ""},
       {"/etc/xdg-me/pictavue/Pictavue.ini", "/etc/xdg-me/pictavue", "/usr/bin", false}},
      {"nowhere else to go",
       {PathStyle::kPosix, "/usr/bin", false, false, "", ""},
       {"/usr/bin/Pictavue.ini", "/usr/bin", "/usr/bin", true}},
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

  const SettingsLocation elsewhere = LocateSettings(program, false);
  EXPECT_EQ(PathKind(elsewhere.settings_folder), FileKind::kMissing);
  const SettingsLocation location = LocateSettings(program, true);
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
  const SettingsLocation location = LocateSettings(program, true);
  EXPECT_TRUE(location.portable);
  EXPECT_EQ(location.settings_file_path, program + "/Pictavue.ini");
}

}  // namespace
}  // namespace pictavue
