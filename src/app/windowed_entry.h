#pragma once

namespace pictavue {

// The windowed program: start-up, the second-copy check, the main window, the command-line run,
// the event loop. Returns the process's exit status.
int RunWindowed(int argc, char** argv);

}  // namespace pictavue
