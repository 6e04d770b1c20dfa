#include "app/startup.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

// The second-copy check, asked with the message it shows when another copy runs.
const std::string kSecondCopy = "second copy? Pictavue は既に起動されています。";

// Answers start-up's questions from a script and writes each one down.
class FakeStartupSystem final : public StartupSystem {
 public:
  SettingsLocation location;
  std::optional<ProgramLayout> installed_layout;  // none: a portable copy
  std::map<std::string, std::string> files;       // path -> settings file text
  bool other_copy_running = false;
  std::vector<std::string> existing;  // paths that are files
  std::string default_folder = "/home/me";
  PathStyle style = PathStyle::kPosix;

  ProgramFiles LocateProgramFiles(const std::string& program_folder) override {
    calls.push_back("files " + program_folder);
    return ProgramFilesIn(program_folder, installed_layout.value_or(kPortableLayout),
                          installed_layout.has_value(), style);
  }
  SettingsLocation LocateSettings(const ProgramFiles& program_files,
                                  bool make_settings_folder) override {
    calls.push_back("locate " + program_files.program_folder +
                    (program_files.installed ? " (installed)" : "") +
                    (make_settings_folder ? "" : " (no folder)"));
    return location;
  }
  ProfileFile LoadProfile(const std::string& path) override {
    calls.push_back("load " + path);
    const auto found = files.find(path);
    return found == files.end() ? ProfileFile() : ProfileFile::Parse(found->second);
  }
  bool IsPreviousInstanceRunning(const std::string& message) override {
    calls.push_back("second copy? " + message);
    return other_copy_running;
  }
  Plugins LoadPlugins(const std::string& folder, const CodePage&) override {
    calls.push_back("plug-ins " + folder);
    return Plugins();
  }
  FileKind KindOf(const std::string& path) override {
    calls.push_back("kind " + path);
    const bool found = std::find(existing.begin(), existing.end(), path) != existing.end();
    return found ? FileKind::kFile : FileKind::kMissing;
  }
  std::string DefaultSearchFolder() override {
    calls.push_back("default folder");
    return default_folder;
  }

  std::vector<std::string> calls;
};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    system_.location.settings_file_path = "/opt/pv/Pictavue.ini";
    system_.location.settings_folder = "/opt/pv";
    system_.location.default_output_folder = "/opt/pv";
    inputs_.program_folder = "/opt/pv";
    inputs_.program_file_name = "pictavue";
    inputs_.style = PathStyle::kPosix;
  }

  FakeStartupSystem system_;
  StartupInputs inputs_;
};

TEST_F(StartupTest, StepsInOrderWithAnEmptyHistory) {
  const std::optional<Session> session = Startup(inputs_, system_);
  ASSERT_TRUE(session);
  EXPECT_EQ(system_.calls,
            (std::vector<std::string>{"files /opt/pv", "locate /opt/pv",
                                      "load /opt/pv/Pictavue.ini", kSecondCopy, "plug-ins /opt/pv",
                                      "kind /opt/pv/pictavue.hlp", "default folder"}));
  EXPECT_EQ(session->settings_file_path, "/opt/pv/Pictavue.ini");
  EXPECT_EQ(session->options.SearchDir, "/home/me");
  EXPECT_EQ(session->help_file_path, "pictavue.hlp");
  EXPECT_EQ(session->default_output_folder, "/opt/pv");
  EXPECT_EQ(session->options.DirName, "/opt/pv");
}

TEST_F(StartupTest, PrevInstanceDecidesWhetherASecondCopyEnds) {
  struct Case {
    const char* label;
    const char* option_section;  // the settings file's text
    bool other_copy_running;
    bool asked;
    bool starts;
  };
  const std::vector<Case> cases = {
      {"no key, alone", "", false, true, true},
      {"no key, another copy", "", true, true, false},
      {"0, another copy", "[Option]\r\nPrevInstance=0\r\n", true, true, false},
      {"1 lets any number start", "[Option]\r\nPrevInstance=1\r\n", true, false, true},
  };
  for (const Case& c : cases) {
    FakeStartupSystem system;
    system.location = system_.location;
    system.files["/opt/pv/Pictavue.ini"] = c.option_section;
    system.other_copy_running = c.other_copy_running;
    const std::optional<Session> session = Startup(inputs_, system);
    EXPECT_EQ(session.has_value(), c.starts) << c.label;
    EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), kSecondCopy), c.asked ? 1 : 0)
        << c.label;
    // A copy that ends goes no further: no plug-ins, no settings.
    EXPECT_EQ(system.calls.back(), c.starts ? "default folder" : kSecondCopy) << c.label;
  }
}

TEST_F(StartupTest, PlugInsAndHelpFileFromTheProgramsFoldersOrTheHelpFilesBareName) {
  constexpr ProgramLayout kInstalled{"../lib/pictavue", "../share/pictavue", "../doc"};
  struct Case {
    PathStyle style;
    const char* program_folder;
    const char* program_file;
    std::optional<ProgramLayout> installed_layout;
    bool exists;
    const char* plugins;
    const char* help;
  };
  const std::vector<Case> cases = {
      {PathStyle::kWindows, "D:\\", "Pictavue.exe", {}, true, "D:\\", "D:\\Pictavue.hlp"},
      {PathStyle::kWindows,
       "D:\\Tools\\Pic",
       "Pictavue.exe",
       {},
       true,
       "D:\\Tools\\Pic",
       "D:\\Tools\\Pic\\Pictavue.hlp"},
      {PathStyle::kWindows,
       "D:\\Tools\\Pic",
       "Pictavue.exe",
       {},
       false,
       "D:\\Tools\\Pic",
       "Pictavue.hlp"},
      {PathStyle::kPosix, "/", "pictavue", {}, true, "/", "/pictavue.hlp"},
      {PathStyle::kPosix, "/usr/bin", "pictavue", kInstalled, true, "/usr/lib/pictavue",
       "/usr/share/pictavue/pictavue.hlp"},
  };
  for (const Case& c : cases) {
    FakeStartupSystem system;
    system.style = c.style;
    system.installed_layout = c.installed_layout;
    inputs_.style = c.style;
    inputs_.program_folder = c.program_folder;
    inputs_.program_file_name = c.program_file;
    if (c.exists) {
      system.existing.push_back(c.help);
    }
    const std::optional<Session> session = Startup(inputs_, system);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->help_file_path, c.help) << c.program_folder;
    EXPECT_NE(
        std::find(system.calls.begin(), system.calls.end(), std::string("plug-ins ") + c.plugins),
        system.calls.end())
        << c.program_folder;
    EXPECT_EQ(system.calls[1].find("(installed)") != std::string::npos,
              c.installed_layout.has_value())
        << c.program_folder;
  }
}

TEST(HelpFileNameTest, TheProgramsNameWithoutItsExtension) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"my.prog.exe", "my.prog.hlp"},
      {".hidden", ".hidden.hlp"},
  };
  for (const auto& [program, help] : cases) {
    EXPECT_EQ(HelpFileName(program), help);
  }
}

TEST_F(StartupTest, SettingsFromTheGivenFileWithTheirHistory) {
  inputs_.settings_file = "/tmp/other.ini";
  system_.files["/tmp/other.ini"] =
      "[SearchDir]\r\nDirHistry1=/photos/2024\r\nGIF=0\r\nJPEG=1\r\n"
      "[OutFile]\r\nFileName=Album\r\n";
  const std::optional<Session> session = Startup(inputs_, system_);
  ASSERT_TRUE(session);
  EXPECT_EQ(system_.calls[1], "locate /opt/pv (no folder)");
  EXPECT_EQ(system_.calls[2], "load /tmp/other.ini");
  EXPECT_EQ(session->settings_file_path, "/tmp/other.ini");
  EXPECT_EQ(session->options.GIF, kUnchecked);
  EXPECT_EQ(session->options.JPEG, kChecked);
  EXPECT_EQ(session->options.FileName, "Album");
  // A history names the search folder; the default is not asked for.
  EXPECT_EQ(session->options.SearchDir, "/photos/2024");
  EXPECT_EQ(session->history.entries(), std::vector<std::string>{"/photos/2024"});
  EXPECT_EQ(system_.calls.back(), "kind /opt/pv/pictavue.hlp");
}

}  // namespace
}  // namespace pictavue
