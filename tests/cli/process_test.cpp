// The program as a process, for what only a process shows: exit statuses, the two streams, the
// translation beside it, signals, files as the system leaves them, the window's own library, and
// the start without a display. Each outcome's messages and settings are BatchModeTest's.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Arguments = std::vector<std::string>;

// How the program ended, and what it wrote to its two streams.
struct Ended {
  int exit_code = -1;  // -1 when it did not exit
  int signal = 0;      // the signal that ended it, 0 when none did
  std::string out;
  std::string err;

  std::string Describe() const {
    return "exit " + std::to_string(exit_code) + ", signal " + std::to_string(signal);
  }
};

// The texts as execve takes them, ending with a null pointer.
std::vector<char*> PointersOf(Arguments& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

class BatchProcessTest : public ::testing::Test {
 protected:
  BatchProcessTest() {
    folder_.WriteFile("pictures/a.gif", testing::MakeGif(120, 90));
    folder_.WriteFile("pictures/b.gif", testing::MakeGif(90, 120));
    fs::permissions(folder_.path(), fs::perms::owner_all);  // Qt wants its runtime folder private
    // The window opens the gallery it made: a stand-in browser notes what it was given.
    const std::string opener = folder_.WriteFile(
        "bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + folder_.Path("opened") + "'\n");
    fs::permissions(opener, fs::perms::owner_all);
  }

  // Starts the program (or a shell running it as "$@") with the arguments, standard input empty
  // and its two streams into files (a pipe could fill up while nobody reads it). The environment
  // is this process's without a display, set's variables over it, those set to "" left out.
  pid_t Start(const Arguments& arguments, const Arguments& shell = {},
              std::map<std::string, std::string> set = {}) const {
    Arguments argv = shell.empty() ? Arguments{PICTAVUE_PROGRAM} : shell;
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    set.insert({{"PATH", folder_.Path("bin") + ":/usr/bin:/bin"},
                {"HOME", folder_.MakeFolder("home")},
                {"XDG_CONFIG_HOME", folder_.Path("home/.config")},
                {"XDG_RUNTIME_DIR", folder_.Path()},
                {"LANG", "C.UTF-8"},
                {"QT_QPA_PLATFORM", ""},
                {"DISPLAY", ""},
                {"WAYLAND_DISPLAY", ""}});
    Arguments environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      if (!set.contains(text.substr(0, text.find('=')))) {
        environment.push_back(text);
      }
    }
    for (const auto& [name, value] : set) {
      if (!value.empty()) {
        environment.push_back(name + "=" + value);
      }
    }
    const std::vector<char*> argv_pointers = PointersOf(argv);
    const std::vector<char*> environment_pointers = PointersOf(environment);
    const std::string out = folder_.Path("out");
    const std::string err = folder_.Path("err");
    const pid_t pid = fork();
    if (pid == 0) {  // in the child: only async-signal-safe calls until exec
      const auto open_as = [](int stream, const char* path, int flags) {
        const int fd = open(path, flags | O_CLOEXEC, 0600);
        return fd >= 0 && dup2(fd, stream) == stream;
      };
      constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC;
      if (open_as(0, "/dev/null", O_RDONLY) && open_as(1, out.c_str(), kWrite) &&
          open_as(2, err.c_str(), kWrite)) {
        execve(argv_pointers[0], argv_pointers.data(), environment_pointers.data());
      }
      _exit(127);
    }
    return pid;
  }
  // Waits for the program to end, and kills it when that takes more than about a minute.
  Ended Wait(pid_t pid) const {
    int status = 0;
    pid_t done = 0;
    for (int ticks = 0; (done = waitpid(pid, &status, WNOHANG)) == 0; ++ticks) {
      if (ticks == 6000) {
        kill(pid, SIGKILL);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool ended = done == pid;
    return {ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            ended && WIFSIGNALED(status) ? WTERMSIG(status) : 0,
            testing::ReadFileBytes(folder_.Path("out")),
            testing::ReadFileBytes(folder_.Path("err"))};
  }
  Ended Run(const Arguments& arguments, const Arguments& shell = {},
            std::map<std::string, std::string> set = {}) const {
    return Wait(Start(arguments, shell, std::move(set)));
  }
  Arguments Batch(const Arguments& options = {}) const {
    Arguments arguments = {"--batch", "--settings", settings_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(pictures_);
    return arguments;
  }
  // The test's settings file: pages into the search folder, one picture a page, then more.
  std::string UseSettings(const std::string& more = "") const {
    return folder_.WriteFile("settings.ini", "[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\n" + more +
                                                 "[OutFile]\r\nOutputDir=1\r\n");
  }
  std::string Page(const std::string& name = "Pictavue001.htm") const {
    return pictures_ + "/" + name;
  }

  testing::TempFolder folder_;
  const std::string pictures_ = folder_.Path("pictures");
  const std::string settings_ = UseSettings();
};

// English comes from the translation beside the program: asked for with --lang en or with
// Language=en in the settings file, which --lang outranks.
TEST_F(BatchProcessTest, ExitStatusAndStreams) {
  const std::string missing = folder_.Path("missing");
  const std::string english = folder_.WriteFile("english.ini", "[Option]\r\nLanguage=en\r\n");
  const std::string in_english = "Pictavue: " + missing + " is a folder that does not exist.\n";
  const std::string in_japanese = "Pictavue: " + missing + " は存在しないフォルダです。\n";
  const std::tuple<Arguments, int, std::string, std::string> cases[] = {
      // arguments, status, the start of standard output, of standard error
      {{"--help", "--lang", "en"}, 0, "Usage: pictavue --batch [--settings", ""},
      {{"--batch", "--lang=en", missing}, 1, "", in_english},
      {{"--batch", "--settings", english, missing}, 1, "", in_english},
      {{"--batch", "--lang", "ja", "--settings", english, missing}, 1, "", in_japanese},
      {Batch(), 0, Page() + "\n", ""},
  };
  for (const auto& [arguments, status, out, err] : cases) {
    const Ended result = Run(arguments);
    EXPECT_EQ(result.exit_code, status) << result.Describe() << " " << arguments.back();
    EXPECT_TRUE(result.out.starts_with(out) && result.out.empty() == out.empty()) << result.out;
    EXPECT_TRUE(result.err.starts_with(err) && result.err.empty() == err.empty()) << result.err;
  }
  EXPECT_NE(testing::ReadFileBytes(Page("Pictavue002.htm")).find("b.gif"), std::string::npos);
}

// Links planted where the pages, the menu and the frame set go: each gives way to its file, and
// what it leads to is never written, the first page's (which the create probe meets after the
// question) included.
TEST_F(BatchProcessTest, PlantedLinksAreReplacedNeverFollowed) {
  UseSettings("FrameMenu=1\r\n");
  const Arguments names = {"Pictavue001.htm", "Pictavue002.htm", "Pictavue.htm", "Pictavuem.htm"};
  for (const std::string& name : names) {
    fs::create_symlink(folder_.WriteFile("victims/" + name, "victim\n"), Page(name));
  }
  const Ended result = Run(Batch({"--yes"}));
  EXPECT_EQ(result.exit_code, 0) << result.Describe();
  for (const std::string& name : names) {
    EXPECT_FALSE(fs::is_symlink(Page(name))) << name;
    EXPECT_TRUE(testing::ReadFileBytes(Page(name)).ends_with("</html>\r\n")) << name;
    EXPECT_EQ(testing::ReadFileBytes(folder_.Path("victims/" + name)), "victim\n");
  }
}

// What a write can meet: a file-size limit, standard output on a full device, closed, or a pipe
// whose reader has gone. Each ends with its message and status 3, never a silent signal, and
// leaves no half page.
TEST_F(BatchProcessTest, WriteFaultsEndWithAMessageNotASignal) {
  const std::string fifo = folder_.Path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::tuple<std::string, std::string, bool> cases[] = {
      // the shell that runs the program as "$@", what standard error holds, the pages written
      {"ulimit -f 1; exec \"$@\"", "File too large", false},
      {"exec \"$@\" >/dev/full", "standard output: No space left on device\n", true},
      {"exec \"$@\" >&-", "standard output: Bad file descriptor\n", true},
      // Opened while this shell reads it too; then the shell's end is closed.
      {"exec 4<>'" + fifo + "'; exec \"$@\" >'" + fifo + "' 4<&-", "standard output: Broken pipe\n",
       true},
  };
  for (const auto& [shell, err, pages] : cases) {
    fs::remove(Page());
    const Ended result = Run(Batch(), {"/bin/sh", "-c", shell, "sh", PICTAVUE_PROGRAM});
    EXPECT_EQ(result.exit_code, 3) << shell << ": " << result.Describe();
    EXPECT_NE(result.err.find(err), std::string::npos) << shell << ": " << result.err;
    // The two pictures, and the two pages when they were written whole.
    EXPECT_EQ(std::distance(fs::directory_iterator(pictures_), {}), pages ? 4 : 2) << shell;
    EXPECT_EQ(fs::exists(Page()), pages) << shell;
  }
}

// Signals while the pages are written: Ctrl+C ends the run after the page at hand (130, without a
// word), a kill anywhere. Every page on disk is whole either way, and what a kill left goes with
// the next run.
TEST_F(BatchProcessTest, ARunStoppedWhileWritingLeavesNoHalfPage) {
  constexpr int kPictures = 3002;  // with the two of every test
  for (int i = 2; i < kPictures; ++i) {
    folder_.WriteFile("pictures/p" + std::to_string(i) + ".gif", testing::MakeGif(4, 4));
  }
  const auto pages_on_disk = [this] {
    int pages = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(pictures_)) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(name.ends_with(".htm") &&
                   !testing::ReadFileBytes(entry.path().string()).ends_with("</html>\r\n"))
          << name;
      pages += name.ends_with(".htm") ? 1 : 0;
    }
    return pages;
  };
  for (const int signal_number : {SIGINT, SIGKILL}) {
    const pid_t pid = Start(Batch({"--yes"}));
    // Not the first page: the create probe makes and deletes an empty one before any page is
    // written, and a kill landing between the two would be mistaken for a half page.
    for (int wait = 0; wait < 20000 && !fs::exists(Page("Pictavue002.htm")); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(kill(pid, signal_number), 0);
    const Ended result = Wait(pid);
    EXPECT_EQ(signal_number == SIGINT ? result.exit_code : result.signal,
              signal_number == SIGINT ? 130 : SIGKILL)
        << result.Describe();
    EXPECT_EQ(signal_number == SIGINT ? result.out + result.err : "", "");  // a cancel is silent
    EXPECT_LT(pages_on_disk(), kPictures) << "the run ended before the signal came";
  }
  folder_.WriteFile("pictures/.Pictavue001.htm.abcd1234.pictavue-tmp", "as a kill leaves it");
  EXPECT_EQ(Run(Batch({"--yes"})).exit_code, 0);
  EXPECT_EQ(pages_on_disk(), kPictures);
  for (const fs::directory_entry& entry : fs::directory_iterator(pictures_)) {
    EXPECT_FALSE(entry.path().string().ends_with(".pictavue-tmp")) << entry.path();
  }
}

#ifdef PICTAVUE_WINDOW_MODULE
using WindowModuleTest = BatchProcessTest;
const std::map<std::string, std::string> kOffscreen = {{"QT_QPA_PLATFORM", "offscreen"}};

// A copy of the program without the library keeps batch mode and says why it has no window. The
// dynamic loader lists every library it loads when asked to (glibc's LD_DEBUG).
TEST_F(WindowModuleTest, TheWindowComesFromItsLibraryAndBatchModeNeedsNoQt) {
  const Arguments gallery = {"--settings", settings_, pictures_};
  const Ended window = Run(gallery, {}, kOffscreen);
  ASSERT_EQ(window.exit_code, 0) << window.Describe() << "\n" << window.err;
  EXPECT_EQ(testing::ReadFileBytes(folder_.Path("opened")), Page() + "\n");

  fs::remove(Page());
  const std::string alone = folder_.MakeFolder("alone") + "/pictavue";
  fs::copy_file(PICTAVUE_PROGRAM, alone);
  const Ended no_window = Run(gallery, {alone}, kOffscreen);
  EXPECT_EQ(no_window.exit_code, 2) << no_window.Describe();
  EXPECT_THAT(no_window.err, HasSubstr("Pictavue: the window cannot be shown ("));
  EXPECT_THAT(no_window.err, HasSubstr(PICTAVUE_WINDOW_MODULE));
  EXPECT_FALSE(fs::exists(Page()));
  EXPECT_EQ(Run(Batch(), {alone}).out, Page() + "\n");

  fs::remove(Page());
  const Ended batch = Run(Batch(), {}, {{"LD_DEBUG", "files"}});
  ASSERT_EQ(batch.exit_code, 0) << batch.Describe() << "\n" << batch.err;
  if (batch.err.find("file=") == std::string::npos) {
    GTEST_SKIP() << "the dynamic loader does not report the libraries it loads";
  }
  EXPECT_THAT(batch.err, HasSubstr("file=libc.so"));
  EXPECT_THAT(batch.err, ::testing::Not(HasSubstr("Qt6")));
  EXPECT_THAT(batch.err, ::testing::Not(HasSubstr(PICTAVUE_WINDOW_MODULE)));
}

// Where no window can be shown (no display, or one no X server serves): one line about batch mode
// and status 2, never Qt's abort, and the settings untouched.
TEST_F(WindowModuleTest, EveryWindowedStartWithoutADisplaySaysHowToUseBatchMode) {
  const std::string settings = testing::ReadFileBytes(settings_);
  int unserved = 640;
  while (fs::exists("/tmp/.X11-unix/X" + std::to_string(unserved))) {
    ++unserved;
  }
  using Environment = std::map<std::string, std::string>;
  for (const Environment& display :
       {Environment{}, {{"DISPLAY", ":" + std::to_string(unserved)}}}) {
    for (const Arguments& arguments :
         {Arguments{}, {pictures_}, {"--unknown"}, {"--settings", settings_, pictures_}}) {
      const Ended result = Run(arguments, {}, display);
      EXPECT_EQ(result.exit_code, 2)
          << ::testing::PrintToString(display) << " " << ::testing::PrintToString(arguments) << ": "
          << result.Describe() << "\n"
          << result.err;
      EXPECT_THAT(result.err, ::testing::MatchesRegex(
                                  "Pictavue: no display is available for the window \\([^\n]*\\); "
                                  "pictavue --batch \\[--settings FILE\\] \\[--yes\\] \\[--open\\] "
                                  "FOLDER makes a gallery without a window\n"));
    }
  }
  EXPECT_EQ(testing::ReadFileBytes(settings_), settings);
}
#endif

}  // namespace
}  // namespace pictavue
