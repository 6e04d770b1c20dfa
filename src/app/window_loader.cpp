#include <iostream>
#include <string>

#include "app/batch_mode.h"
#include "app/gui_app.h"
#include "app/window_module.h"
#include "platform/path_style.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "platform/program_module.h"

namespace pictavue {

// The window comes from its library in the program's library folder (PICTAVUE_WINDOW_MODULE,
// its file name).
int RunGuiApplication(int& argc, char** argv) {
  const ProgramFiles files = LocateProgramFiles(ProgramFolder(argc > 0 ? argv[0] : ""));
  const std::string module =
      JoinPath(files.library_folder, PICTAVUE_WINDOW_MODULE, NativePathStyle());
  std::string failure;
  const auto run =
      reinterpret_cast<RunWindowFunction>(LoadProgramFunction(module, kRunWindowFunction, failure));
  if (run == nullptr) {
    std::cerr << "Pictavue: the window cannot be shown (" << failure
              << "); use --batch (see --help)\n";
    return kExitUsage;
  }
  return run(&argc, argv);
}

}  // namespace pictavue
