#include "app/startup.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_table.h"

namespace pictavue {
namespace {

// Answers start-up's questions from a row of startup.tsv and writes each one down.
class FakeStartupSystem final : public StartupSystem {
 public:
  explicit FakeStartupSystem(const testing::Row& row) : row_(row) {}

  ProgramFiles LocateProgramFiles(const std::string& program_folder) override {
    constexpr ProgramLayout kInstalled{"../lib/pictavue", "../share/pictavue", "../doc"};
    const bool installed = row_[7] == "yes";
    return Note("files " + program_folder,
                ProgramFilesIn(program_folder, installed ? kInstalled : kPortableLayout, installed,
                               testing::StyleOf(row_[0])));
  }
  SettingsLocation LocateSettings(const ProgramFiles& files, bool make_folder) override {
    return Note("locate " + files.program_folder + (files.installed ? " (installed)" : "") +
                    (make_folder ? "" : " (no folder)"),
                SettingsLocation{"/opt/pv/Pictavue.ini", "/opt/pv", "/opt/pv"});
  }
  ProfileFile LoadProfile(const std::string& path) override {
    return Note("load " + path, ProfileFile::Parse(row_[4]));
  }
  bool IsPreviousInstanceRunning(const std::string& message) override {
    return Note("second copy? " + message, row_[5] == "yes");
  }
  Plugins LoadPlugins(const std::string& folder, const CodePage&) override {
    return Note("plug-ins " + folder, Plugins());
  }
  FileKind KindOf(const std::string& path) override {
    return Note("kind " + path, row_[6] == "yes" ? FileKind::kFile : FileKind::kMissing);
  }
  std::string DefaultSearchFolder() override { return Note("default folder", "/home/me"); }

  std::vector<std::string> calls;

 private:
  template <typename T>
  T Note(const std::string& call, T answer) {
    calls.push_back(call);
    return answer;
  }
  const testing::Row& row_;
};

TEST(StartupTest, StepsInOrderAndWhatTheyGive) {
  for (const testing::Row& row : testing::ReadTable("app/startup.tsv")) {
    const StartupInputs inputs{
        .program_folder = row[1],
        .program_file_name = row[2],
        .settings_file = row[3] == "-" ? std::nullopt : std::optional(row[3]),
        .language = std::nullopt,
        .code_page = CodePage("UTF-8"),
        .style = testing::StyleOf(row[0])};
    FakeStartupSystem system(row);
    const std::optional<Session> session = Startup(inputs, system);
    EXPECT_EQ(system.calls, testing::Items(row[8])) << row.Text();
    ASSERT_EQ(session.has_value(), row[9] != "-") << row.Text();
    if (session) {
      EXPECT_EQ(session->help_file_path, row[9]) << row.Text();
      EXPECT_EQ(session->options.SearchDir, row[10]) << row.Text();
      EXPECT_EQ(session->settings_file_path, row[3] == "-" ? "/opt/pv/Pictavue.ini" : row[3]);
      EXPECT_EQ(session->default_output_folder, "/opt/pv");
      EXPECT_EQ(session->options.DirName, "/opt/pv");
      EXPECT_EQ(session->history.entries().size(), row[10] == "/home/me" ? 0u : 1u);
    }
  }
}

}  // namespace
}  // namespace pictavue
