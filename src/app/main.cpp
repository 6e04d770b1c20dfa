#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "app/batch_mode.h"
#include "app/command_line.h"
#include "app/gui_app.h"
#include "platform/code_page_stream.h"
#include "platform/console.h"

namespace {

// Batch mode writes UTF-8; the console's readers get it in the code page they read.
int RunBatchOnConsole(const std::string& argv0, const std::vector<std::string>& arguments) {
  const pictavue::CodePage console = pictavue::ConsoleCodePage();
  if (console.is_utf8()) {
    return pictavue::RunBatch(argv0, arguments, std::cout, std::cerr);
  }
  pictavue::CodePageStreamBuf out_buffer(*std::cout.rdbuf(), console);
  pictavue::CodePageStreamBuf err_buffer(*std::cerr.rdbuf(), console);
  std::ostream out(&out_buffer);
  std::ostream err(&err_buffer);
  err << std::unitbuf;
  return pictavue::RunBatch(argv0, arguments, out, err);
}

}  // namespace

// Batch mode is chosen before anything of Qt exists, so it runs without a display.
int main(int argc, char** argv) {
  pictavue::IgnoreWriteSignals();
  const std::vector<std::string> arguments = pictavue::ProgramArguments(argc, argv);
  if (pictavue::ChooseEntryMode(arguments) == pictavue::EntryMode::kConsole) {
    return RunBatchOnConsole(argc > 0 ? argv[0] : "", arguments);
  }
  return pictavue::RunGuiApplication(argc, argv);
}
