#include "request/open_result.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

constexpr char kNoBrowser[] =
    "message 16 Pictavue: ブラウザが設定されていません。\r\n\r\nオプションを確認してください。";
constexpr char kBrowserNotFound[] =
    "message 16 Pictavue: "
    "指定されたブラウザが見つかりません。\r\n\r\nオプションを確認してください。";
constexpr char kBrowserFailed[] =
    "message 16 Pictavue: 指定されたブラウザを実行できませんでした。\r\n\r\n"
    "オプションを確認してください。";

TEST(BrowserCommandTest, QuotesTheBrowserOnceAndThePageAlways) {
  struct Case {
    const char* label;
    const char* browser;
    const char* page;
    const char* program;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"plain", "C:\\Web\\view.exe", "D:\\out\\Pictavue001.htm", "C:\\Web\\view.exe",
       "\"C:\\Web\\view.exe\" \"D:\\out\\Pictavue001.htm\""},
      {"already quoted: not again", "\"C:\\Web\\view.exe\"", "D:\\out\\Pictavue001.htm",
       "C:\\Web\\view.exe", "\"C:\\Web\\view.exe\" \"D:\\out\\Pictavue001.htm\""},
      {"quote at the start only: quoted as a whole", "\"C:\\Web\\view.exe", "D:\\p.htm",
       "\"C:\\Web\\view.exe", "\"\"C:\\Web\\view.exe\" \"D:\\p.htm\""},
      {"quote at the end only: quoted as a whole", "/opt/view\"", "/p.htm", "/opt/view\"",
       "\"/opt/view\"\" \"/p.htm\""},
      {"page with blanks", "/usr/bin/view", "/home/me/my pics/a001.htm", "/usr/bin/view",
       "\"/usr/bin/view\" \"/home/me/my pics/a001.htm\""},
  };
  for (const Case& c : cases) {
    const ProgramCommand command = BrowserCommand(c.browser, c.page);
    EXPECT_EQ(command.program, c.program) << c.label;
    EXPECT_EQ(command.arguments, std::vector<std::string>{c.page}) << c.label;
    EXPECT_EQ(CommandLineText(command), c.text) << c.label;
  }
}

TEST(OpenResultTest, EachWayAndEachMessage) {
  const testing::TempFolder folder;
  const std::string browser = folder.WriteFile("view", "");
  const std::string page = "/out/my \"best\" pics/Pictavue001.htm";
  const std::string open = "open " + page;
  const std::string start = "start " + browser + " | " + page;
  const std::string association_failed =
      "message 16 Pictavue: HTMLの関連付けオープンに失敗しました。";
  struct Case {
    const char* label;
    int browser;
    std::string browser_path;
    std::int64_t task_id;  // what the launcher answers
    int open_result;
    std::int64_t expected_result;
    std::string expected_call;   // none when empty
    std::string expected_event;  // none when empty
  };
  const std::vector<Case> cases = {
      {"association succeeds", kUnchecked, "", 0, 42, 42, open, ""},
      {"association: no such file", kUnchecked, "", 0, 2, 2, open, association_failed + "(2)"},
      {"association: none for HTML", kUnchecked, "", 0, 31, 31, open, association_failed + "(1F)"},
      {"association: 32 is a failure too", kUnchecked, "", 0, 32, 32, open,
       association_failed + "(20)"},
      {"association: 33 succeeds", kUnchecked, "", 0, 33, 33, open, ""},
      {"browser not set", kChecked, "", 7, 42, 0, "", kNoBrowser},
      {"browser missing", kChecked, folder.Path("gone"), 7, 42, 0, "", kBrowserNotFound},
      {"browser is a folder", kChecked, folder.Path(), 7, 42, 0, "", kBrowserNotFound},
      {"browser half-quoted names no file", kChecked, "\"" + browser, 7, 42, 0, "",
       kBrowserNotFound},
      {"browser started", kChecked, browser, 7, 42, 7, start, ""},
      {"quoted browser started", kChecked, "\"" + browser + "\"", 7, 42, 7, start, ""},
      {"browser did not start", kChecked, browser, 0, 42, 0, start, kBrowserFailed},
      {"a dimmed Browser box counts as on", kGrayed, "", 7, 42, 0, "", kNoBrowser},
  };
  const auto list = [](const std::string& item) {
    return item.empty() ? std::vector<std::string>{} : std::vector<std::string>{item};
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    GalleryOptions options;
    options.Browser = c.browser;
    options.BrowserPath = c.browser_path;
    testing::FakeLauncher launcher;
    launcher.task_id = c.task_id;
    launcher.open_result = c.open_result;
    testing::RecordingFrontEnd front_end;
    EXPECT_EQ(OpenResult(page, options, Translation(), launcher, front_end), c.expected_result);
    EXPECT_EQ(launcher.calls, list(c.expected_call));
    EXPECT_EQ(front_end.Events(), list(c.expected_event));
  }
}

// The arguments a fake program recorded, one per line; empty until it has written them.
std::vector<std::string> WaitForRecordedArguments(const std::string& path) {
  for (int attempt = 0; attempt < 250; ++attempt) {
    const std::string text = testing::ReadFileBytes(path);
    if (!text.empty() && text.back() == '\n' && text.find("end\n") != std::string::npos) {
      std::vector<std::string> lines;
      std::size_t start = 0;
      for (std::size_t end = text.find('\n'); end != std::string::npos;
           end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
      }
      return lines;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return {};
}

// A shell script that writes its argument count, its arguments and "end", one per line.
std::string WriteRecorder(const testing::TempFolder& folder, const std::string& name,
                          const std::string& record, const std::string& tail = "") {
  const std::string path = folder.WriteFile(
      name, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" end > '" + record + "'\n" + tail);
  fs::permissions(path, fs::perms::owner_all);
  return path;
}

// The POSIX launcher: xdg-open and programs started without a shell. The Windows launcher is
// tested on the system in platform_win32_test.
class SystemLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (NativePathStyle() == PathStyle::kWindows) {
      GTEST_SKIP() << "xdg-open and POSIX programs";
    }
  }
};

TEST_F(SystemLauncherTest, BrowserGetsThePageAsOneArgumentWithoutAShell) {
  const testing::TempFolder folder;
  const std::string page = folder.Path("my \"best\" $(pics) & more; `x`/Pictavue001.htm");
  struct Case {
    const char* label;
    std::string browser_name;
    bool quote_whole_path;
  };
  const std::vector<Case> cases = {
      {"plain", "browser", false},
      {"quoted", "browser", true},
      {"a quote at the end of the file's own name", "odd browser\"", false},
  };
  for (const Case& c : cases) {
    const std::string record = folder.Path("record.txt");
    fs::remove(record);
    const std::string browser = WriteRecorder(folder, c.browser_name, record);
    GalleryOptions options;
    options.Browser = kChecked;
    options.BrowserPath = c.quote_whole_path ? "\"" + browser + "\"" : browser;
    const std::unique_ptr<Launcher> launcher = MakeSystemLauncher();
    testing::RecordingFrontEnd front_end;

    EXPECT_GT(OpenResult(page, options, Translation(), *launcher, front_end), 0) << c.label;
    EXPECT_EQ(front_end.Events(), std::vector<std::string>{}) << c.label;
    EXPECT_EQ(WaitForRecordedArguments(record), (std::vector<std::string>{"1", page, "end"}))
        << c.label;
  }
}

TEST_F(SystemLauncherTest, ABrowserThatCannotRunIsReported) {
  const testing::TempFolder folder;
  GalleryOptions options;
  options.Browser = kChecked;
  options.BrowserPath = folder.WriteFile("not-a-program", "just text");  // not executable
  const std::unique_ptr<Launcher> launcher = MakeSystemLauncher();
  testing::RecordingFrontEnd front_end;
  EXPECT_EQ(OpenResult("/p.htm", options, Translation(), *launcher, front_end), 0);
  EXPECT_EQ(front_end.Events(), std::vector<std::string>{kBrowserFailed});
}

TEST_F(SystemLauncherTest, AssociationCodesFromTheExitOfXdgOpen) {
  const testing::TempFolder folder;
  const std::string bin = folder.MakeFolder("bin");
  const std::string record = folder.Path("record.txt");
  const std::string original_path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  const testing::ScopedEnvironment path("PATH", (bin + ":" + original_path).c_str());

  struct Case {
    const char* label;
    const char* tail;  // what the fake xdg-open does after recording its arguments
    int expected;
  };
  const std::vector<Case> cases = {
      {"success", "exit 0\n", 42},     {"usage error", "exit 1\n", 31},
      {"no such file", "exit 2\n", 2}, {"tool missing", "exit 3\n", 31},
      {"killed", "kill -9 $$\n", 31},  {"still running", "sleep 3\n", 42},
  };
  const std::string page = folder.Path("a b/-x \"y\"/Pictavue001.htm");
  for (const Case& c : cases) {
    fs::remove(record);
    WriteRecorder(folder, "bin/xdg-open", record, c.tail);
    const std::unique_ptr<Launcher> launcher = MakeSystemLauncher(std::chrono::milliseconds(300));
    EXPECT_EQ(OpenWithAssociation(page, *launcher), c.expected) << c.label;
    EXPECT_EQ(WaitForRecordedArguments(record), (std::vector<std::string>{"1", page, "end"}))
        << c.label;
  }
}

TEST_F(SystemLauncherTest, NoAssociationProgramAtAll) {
  const testing::TempFolder folder;
  const testing::ScopedEnvironment path("PATH", folder.MakeFolder("empty").c_str());
  const std::unique_ptr<Launcher> launcher = MakeSystemLauncher();
  testing::RecordingFrontEnd front_end;
  EXPECT_EQ(OpenResult("/p.htm", GalleryOptions(), Translation(), *launcher, front_end), 31);
  EXPECT_EQ(
      front_end.Events(),
      std::vector<std::string>{"message 16 Pictavue: HTMLの関連付けオープンに失敗しました。(1F)"});
}

TEST_F(SystemLauncherTest, ARelativePageThatLooksLikeAnOptionStaysAPath) {
  const testing::TempFolder folder;
  const std::string bin = folder.MakeFolder("bin");
  const std::string record = folder.Path("record.txt");
  const testing::ScopedEnvironment path("PATH", bin.c_str());
  WriteRecorder(folder, "bin/xdg-open", record, "exit 0\n");
  const std::unique_ptr<Launcher> launcher = MakeSystemLauncher();
  EXPECT_EQ(OpenWithAssociation("-pics/Pictavue001.htm", *launcher), 42);
  EXPECT_EQ(WaitForRecordedArguments(record),
            (std::vector<std::string>{"1", "./-pics/Pictavue001.htm", "end"}));
}

}  // namespace
}  // namespace pictavue
