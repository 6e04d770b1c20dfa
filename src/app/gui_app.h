#pragma once

namespace pictavue {

// The program with its window: the settings read from the settings location (or the file of
// "--settings FILE"), the main window shown without waiting, waiting events let run once, then
// the event loop until the window closes, which saves the settings. Returns the exit status.
int RunGuiApplication(int& argc, char** argv);

}  // namespace pictavue
