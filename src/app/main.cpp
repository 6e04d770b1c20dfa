#include <iostream>
#include <string>
#include <vector>

#include "app/batch_mode.h"
#include "app/command_line.h"
#include "app/gui_app.h"

// Batch mode is chosen before anything of Qt exists, so it runs without a display.
int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (pictavue::ChooseEntryMode(arguments) == pictavue::EntryMode::kConsole) {
    return pictavue::RunBatch(argc > 0 ? argv[0] : "", arguments, std::cout, std::cerr);
  }
  return pictavue::RunGuiApplication(argc, argv);
}
