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
  std::string Filled(const std::string& text) const { return testing::Filled(text, names_); }

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
    if (row.size() > 7) {
      std::string text;
      for (const char* section : {"[SearchDir]", "[PageFormat]", "[OutFile]"}) {
        text += std::string(section) + "\r\n";
        for (const std::string& line : row.From(7)) {
          text += line + "\r\n";
        }
      }
      folder_.WriteFile(fs::relative(settings, folder_.path()).string(), text);
    }
    if (row[1] == "page") {
      folder_.WriteFile("pics/Pictavue001.htm", "old page");
    }
    launcher_ = testing::FakeLauncher();
    launcher_.open_result = row[1] == "no-association" ? kOpenNoAssociation : kOpenSucceeded;
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
    const std::string err = Filled(row[5]);
    EXPECT_EQ(err.ends_with("...") ? err_.substr(0, err.size() - 3) + "..." : err_, err);
    EXPECT_EQ(launcher_.calls, testing::Items(Filled(row[6])));
    EXPECT_EQ(runs_, row[2] == "-" ? 0 : 1);
    const std::string saved = testing::ReadFileBytes(settings);
    if (row.size() <= 7) {
      EXPECT_FALSE(fs::exists(program_settings));
      continue;
    }
    EXPECT_NE(saved.find("DirHistry1=" + Filled(row[3] == "0" ? "{pics}" : "") + "\r\n"),
              std::string::npos);
    for (const std::string& line : row.From(7)) {
      EXPECT_NE(saved.find("\r\n" + line + "\r\n"), std::string::npos) << line;
    }
    if (settings != program_settings) {
      EXPECT_FALSE(fs::exists(program_settings));
    }
  }
}

// Noise before the sections (no NUL, which would make it no text to rewrite): the keys after it
// are read, and the file saved afterwards holds every key again, the folder first in its history.
TEST_F(BatchModeTest, ASettingsFileThatStartsWithNoise) {
  std::string noise(4096, '\0');
  std::uint64_t seed = 1;
  for (char& byte : noise) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    byte = static_cast<char>(std::max<std::uint64_t>(seed >> 56, 1));
  }
  const std::string settings =
      folder_.WriteFile("noise.ini", noise + "\r\n[OutFile]\r\nOutputDir=1\r\n");
  EXPECT_EQ(Batch({"--batch", "--settings", settings, Filled("{pics}")}), 0);
  EXPECT_EQ(out_, Filled("{pics}{/}Pictavue001.htm\n"));
  const ProfileFile saved = ProfileFile::Load(settings);
  EXPECT_EQ(saved.RawValue("SearchDir", "DirHistry1"), Filled("{pics}"));
  for (const char* key : {"SubDir", "SameSize"}) {
    EXPECT_TRUE(saved.RawValue("SearchDir", key).has_value()) << key;
  }
}

}  // namespace
}  // namespace pictavue
