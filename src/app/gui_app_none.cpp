#include <iostream>

#include "app/batch_mode.h"
#include "app/gui_app.h"

namespace pictavue {

// A build without the Qt windows (the cross build, the sanitizer build) has batch mode only.
int RunGuiApplication(int&, char**) {
  std::cerr << "Pictavue: this build has no window; use --batch (see --help)\n";
  return kExitUsage;
}

}  // namespace pictavue
