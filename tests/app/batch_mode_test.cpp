#include "app/batch_mode.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/page_layout.h"
#include "platform/path_style.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "support/data_table.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// Batch mode in a program folder of its own (writable, so the settings live there unless
// --settings says otherwise), with a stand-in run whose page is where the real run would put it.
class BatchModeTest : public ::testing::Test {
 protected:
  BatchModeTest() {
    services_.program_file = names_["{program}"] + names_["{/}"] + "pictavue";
    services_.startup = &startup_;
    services_.launcher = &launcher_;
    services_.make_run = [this](Session& session) {
      auto run = std::make_unique<testing::FakeRun>(run_);
      run->page_to_open =
          PageToOpen(session.options, 1, session.default_output_folder, session.style);
      run->during = [this](RunState&, FrontEnd& front_end) {
        ++runs_;
        if (interrupt_in_run_) {  // Ctrl+C while the run looks elsewhere
          interrupted_ = true;
          front_end.YieldEvents();
        }
      };
      return run;
    };
    services_.interrupted = [this] { return interrupted_; };
  }

  // {pics}, {program}, {settings} and {/} in text replaced by what they stand for.
  std::string Filled(std::string text) const {
    for (const auto& [name, value] : names_) {
      for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
        text.replace(at, name.size(), value);
        at += value.size();
      }
    }
    return text;
  }

  int Batch(const Texts& arguments) {
    std::ostringstream out, err;
    const int status = RunBatch(arguments, out, err, services_);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  testing::TempFolder folder_;
  std::map<std::string, std::string> names_ = {
      {"{pics}", folder_.MakeFolder("pics")},
      {"{program}", folder_.MakeFolder("program")},
      {"{settings}", folder_.Path("mine.ini")},
      {"{/}", std::string(1, Separator(NativePathStyle()))}};
  SystemStartup startup_;
  testing::FakeLauncher launcher_;
  testing::FakeRun run_;  // the outcome every run has
  int runs_ = 0;
  bool interrupt_in_run_ = false;
  bool interrupted_ = false;
  std::string out_, err_;
  BatchServices services_;
};

TEST_F(BatchModeTest, StatusStreamsAndSettingsOfEachOutcome) {
  for (const testing::Row& row : testing::ReadTable("app/batch_runs.tsv")) {
    SCOPED_TRACE(row.Text());
    const std::string program_settings = Filled("{program}{/}Pictavue.ini");
    const std::string settings =
        row[0].find("{settings}") != std::string::npos ? Filled("{settings}") : program_settings;
    for (const std::string& file :
         {program_settings, Filled("{settings}"), Filled("{pics}{/}Pictavue001.htm")}) {
      fs::remove(file);
    }
    if (row.size() > 6) {
      std::string text;
      for (const char* section : {"[SearchDir]", "[PageFormat]", "[OutFile]"}) {
        text += std::string(section) + "\r\n";
        for (const std::string& line : row.From(6)) {
          text += line + "\r\n";
        }
      }
      folder_.WriteFile(fs::relative(settings, folder_.path()).string(), text);
    }
    if (row[1] == "page") {
      folder_.WriteFile("pics/Pictavue001.htm", "old page");
    }
    run_ = testing::FakeRun();
    run_.image_count = row[2] == "none" || row[2] == "interrupted" ? 0 : 3;
    run_.aborted = row[2] == "aborted";
    run_.cancelled = row[2] == "cancelled";
    interrupt_in_run_ = row[2] == "interrupted";
    interrupted_ = false;
    runs_ = 0;
    Texts arguments;
    std::istringstream words(row[0]);
    for (std::string word; words >> word;) {
      arguments.push_back(Filled(word));
    }

    EXPECT_EQ(Batch(arguments), std::stoi(row[3]));
    EXPECT_EQ(out_, Filled(row[4]));
    EXPECT_EQ(err_, Filled(row[5]));
    EXPECT_EQ(runs_, row[2] == "-" ? 0 : 1);
    const std::string saved = testing::ReadFileBytes(settings);
    if (row.size() <= 6) {
      EXPECT_FALSE(fs::exists(program_settings));
      continue;
    }
    EXPECT_NE(saved.find("DirHistry1=" + Filled(row[3] == "0" ? "{pics}" : "") + "\r\n"),
              std::string::npos);
    for (const std::string& line : row.From(6)) {
      EXPECT_NE(saved.find("\r\n" + line + "\r\n"), std::string::npos) << line;
    }
    if (settings != program_settings) {
      EXPECT_FALSE(fs::exists(program_settings));
    }
  }
}

TEST_F(BatchModeTest, TheOpenStepOnlyWithOpen) {
  folder_.WriteFile("program/Pictavue.ini", "[OutFile]\r\nOutputDir=1\r\nAutoOpenMode=1\r\n");
  const std::string page = Filled("{pics}{/}Pictavue001.htm");
  EXPECT_EQ(Batch({"--batch", Filled("{pics}")}), 0);
  EXPECT_EQ(err_, "");
  EXPECT_EQ(launcher_.calls, Texts{});

  EXPECT_EQ(Batch({"--batch", "--open", Filled("{pics}")}), 0);
  EXPECT_EQ(err_, "Pictavue: 作成されたHTMLを開きますか？\nPictavue: answered Yes (default)\n");
  EXPECT_EQ(launcher_.calls, Texts{"open " + page});

  launcher_.open_result = kOpenNoAssociation;
  EXPECT_EQ(Batch({"--batch", "--open", Filled("{pics}")}), 0);  // the pages are there all the same
  EXPECT_EQ(out_, page + "\n");
  EXPECT_TRUE(err_.ends_with("Pictavue: HTMLの関連付けオープンに失敗しました。(1F)\n"));
}

TEST_F(BatchModeTest, AFailedSaveIsReportedWithoutChangingTheStatus) {
  const std::string settings = folder_.Path("missing folder/Pictavue.ini");
  EXPECT_EQ(Batch({"--batch", "--settings", settings, Filled("{pics}")}), 0);
  EXPECT_TRUE(err_.starts_with("Pictavue: the settings could not be saved to " + settings + ": "));
}

// Noise before the sections, and a file of noise alone: each key the noise does not hold reads as
// its default, and the file saved afterwards holds every key again.
TEST_F(BatchModeTest, ASettingsFileOfRandomBytes) {
  std::string noise(65536, '\0');
  std::uint64_t seed = 1;
  for (char& byte : noise) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    byte = static_cast<char>(seed >> 56);
  }
  for (const std::string& bytes :
       {noise, noise.substr(0, 4096) + "\r\n[OutFile]\r\nOutputDir=1\r\n"}) {
    const std::string settings = folder_.WriteFile("noise.ini", bytes);
    const bool pages_in_pics = bytes.size() < noise.size();
    EXPECT_EQ(Batch({"--batch", "--settings", settings, Filled("{pics}")}), 0);
    EXPECT_EQ(out_, Filled(pages_in_pics ? "{pics}{/}Pictavue001.htm\n"
                                         : "{program}{/}Pictavue001.htm\n"));
    const ProfileFile saved = ProfileFile::Load(settings);
    const FolderHistory history =
        LoadSettings(saved, CodePage("UTF-8"), "", NativePathStyle()).history;
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history.entries().front(), Filled("{pics}"));
    for (const auto& [section, key] :
         std::vector<std::pair<const char*, const char*>>{{"SearchDir", "SubDir"},
                                                          {"SearchDir", "SameSize"},
                                                          {"PageFormat", "Pixel"},
                                                          {"PageFormat", "Title"},
                                                          {"OutFile", "FileName"},
                                                          {"OutFile", "OutputDir"}}) {
      EXPECT_TRUE(saved.RawValue(section, key).has_value()) << key;
    }
  }
}

}  // namespace
}  // namespace pictavue
