#pragma once

// Runs a program under test as a process: arguments, environment, both streams caught in files,
// the exit status.

#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

extern char** environ;

namespace pictavue::testing {

using Arguments = std::vector<std::string>;

// The second part of the message about a folder that does not exist, as the console writes it.
inline constexpr char kMissingTail[] =
    " は存在しないフォルダです。\n\nリムーバブルドライブの場合はメディアが挿入されているかどうか"
    "確認してください。\n";

// A GIF of w x h pixels: its header is all the program reads.
inline std::string Gif(int width, int height) {
  std::string bytes = "GIF89a";
  for (const int side : {width, height}) {
    bytes += static_cast<char>(side & 0xFF);
    bytes += static_cast<char>(side >> 8);
  }
  return bytes + std::string(20, '\0');
}

struct Finished {
  int status = -1000;  // the exit status, or minus the signal that ended the process
  std::string out;
  std::string err;
};

// One run of the program under test, its streams caught in files.
class ProgramRun {
 public:
  ProgramRun(const TempFolder& folder, const std::string& program, const Arguments& arguments,
             const std::map<std::string, std::string>& environment)
      : out_path_(folder.Path("stdout.txt")), err_path_(folder.Path("stderr.txt")) {
    std::vector<std::string> texts = {program};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) {
      argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      const std::size_t equals = text.find('=');
      variables[text.substr(0, equals)] =
          equals == std::string::npos ? "" : text.substr(equals + 1);
    }
    // No display: batch mode must not need one.
    variables.erase("DISPLAY");
    variables.erase("WAYLAND_DISPLAY");
    for (const auto& [name, value] : environment) {
      variables[name] = value;
    }
    std::vector<std::string> pairs;
    for (const auto& [name, value] : variables) {
      pairs.push_back(name + "=" + value);
    }
    std::vector<char*> envp;
    for (std::string& pair : pairs) {
      envp.push_back(pair.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_path_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
  }

  pid_t pid() const { return pid_; }

  Finished Wait() {
    Finished finished;
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_) {
      finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }
    finished.out = ReadFileBytes(out_path_);
    finished.err = ReadFileBytes(err_path_);
    return finished;
  }

 private:
  std::string out_path_;
  std::string err_path_;
  pid_t pid_ = -1;
};

}  // namespace pictavue::testing
