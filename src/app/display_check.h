#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictavue {

// Qt ends the process with an abort (and its advice to reinstall) when it finds no display, so
// the window's start-up looks first and tells the person about batch mode instead.

// Where Qt would look for a display.
struct DisplayEnvironment {
  std::string qt_platform;      // Qt's "-platform NAME" option, else QT_QPA_PLATFORM
  std::string x11_display;      // DISPLAY
  std::string wayland_display;  // WAYLAND_DISPLAY
};

enum class DisplayRoute {
  kQtDecides,  // a platform was named: Qt's own check is the person's choice
  kX11,        // the X server of DISPLAY, reachable or not
  kWayland,    // only a Wayland compositor: Qt must be asked for its Wayland platform
  kNone,       // nothing to show a window on
};

// An empty value counts as unset, as it does for Qt.
DisplayRoute ChooseDisplayRoute(const DisplayEnvironment& environment);

// The environment as this process has it; arguments are argv's after the program's name.
DisplayEnvironment ReadDisplayEnvironment(const std::vector<std::string>& arguments);

// The socket of a Wayland display: WAYLAND_DISPLAY itself when absolute, else in the runtime
// folder; empty when a relative name has no runtime folder to live in.
std::string WaylandSocketPath(const std::string& wayland_display, const std::string& runtime_dir);

// The whole line for standard error; reason says what was missing or failed.
std::string NoDisplayMessage(std::string_view reason);

}  // namespace pictavue
