#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/code_page.h"

namespace pictavue {

// The program's arguments after its own name, as UTF-8: Windows hands them over in the system
// code page, POSIX as the bytes that were typed.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The code page that standard output and standard error are read in: on Windows the system code
// page (a console, a file or a script that reads the program's output expects it), elsewhere
// UTF-8, as the program writes.
CodePage ConsoleCodePage();

// Whether the process's standard error is a terminal that a person watches (a progress bar
// there helps; in a file or a pipe it is noise).
bool StandardErrorIsTerminal();

// Lets the faults of a write arrive as write errors that the program reports: a pipe whose reader
// has gone (SIGPIPE) and a file larger than the process may write (SIGXFSZ) would otherwise end
// the process without a word, a page half-written and the settings unsaved. Called once, first
// thing in main; the programs the program starts get the signals' defaults back. Nothing to do
// on Windows.
void IgnoreWriteSignals();

// Turns the console's interrupt (Ctrl+C) into a request that the program answers at its own
// pace: while a watch exists, the interrupt no longer ends the process; Requested() says whether
// one has come. An interrupt that the process was started to ignore stays ignored. Only one watch
// may exist at a time.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // True once an interrupt has come while the watch existed; stays true. Cheap enough to ask at
  // every poll point.
  bool Requested();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pictavue
