#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pictavue {

// A program to start and its arguments, each of which reaches the program as one argument
// whatever blanks, quotes or shell characters it holds.
struct ProgramCommand {
  std::string program;
  std::vector<std::string> arguments;
};

// The browser and the page it is to show. The program is the browser path without the pair of
// double quotes around it when it has one: a path that a user typed in quotes names the same
// file. A quote at one end only stays part of the name.
ProgramCommand BrowserCommand(std::string_view browser_path, std::string_view document);

// The command line of a command as one text, the way the system that takes one text reads it:
// the program in double quotes unless its first and last characters already are double quotes,
// then each argument after one blank, in double quotes.
std::string CommandLineText(const ProgramCommand& command);

// Results of opening a document with its association, in the numbering callers have always
// tested: above 32 is success, 32 and below a failure with its reason.
inline constexpr int kOpenSucceeded = 42;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenNoAssociation = 31;

// The association program's exit status in that numbering: 0 succeeded, 2 the file does not
// exist; a missing tool (3), a failed action (4) and anything else leave the document without a
// program to show it.
int AssociationResultForExitStatus(int exit_status);

// Starting programs and opening documents, as the system offers it.
class Launcher {
 public:
  virtual ~Launcher() = default;

  // Starts the program, shown normally with the focus, and does not wait for it. The task
  // identifier of the started program (its process id), or 0 when nothing was started.
  virtual std::int64_t StartProgram(const ProgramCommand& command) = 0;

  // Opens a document with the program the system associates with its kind. The result is
  // kOpenSucceeded or a failure code (kOpenFileNotFound, kOpenNoAssociation, ...).
  virtual int OpenDocument(const std::string& path) = 0;
};

// The launcher of the system the program runs on. On POSIX the association is xdg-open; its
// answer is awaited for association_wait at most, and one still working by then counts as a
// success (it may be waiting for the program it started).
std::unique_ptr<Launcher> MakeSystemLauncher(
    std::chrono::milliseconds association_wait = std::chrono::seconds(5));

}  // namespace pictavue
