#include "app/display_check.h"

#include <cstdlib>

namespace pictavue {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// Qt takes "-platform NAME" and "--platform NAME" out of argv before the program sees it.
std::string PlatformOption(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "-platform" || arguments[i] == "--platform") {
      return arguments[i + 1];
    }
  }
  return {};
}

}  // namespace

DisplayRoute ChooseDisplayRoute(const DisplayEnvironment& environment) {
  if (!environment.qt_platform.empty()) {
    return DisplayRoute::kQtDecides;
  }
  if (!environment.x11_display.empty()) {
    return DisplayRoute::kX11;
  }
  if (!environment.wayland_display.empty()) {
    return DisplayRoute::kWayland;
  }
  return DisplayRoute::kNone;
}

DisplayEnvironment ReadDisplayEnvironment(const std::vector<std::string>& arguments) {
  DisplayEnvironment environment;
  environment.qt_platform = PlatformOption(arguments);
  if (environment.qt_platform.empty()) {
    environment.qt_platform = Variable("QT_QPA_PLATFORM");
  }
  environment.x11_display = Variable("DISPLAY");
  environment.wayland_display = Variable("WAYLAND_DISPLAY");
  return environment;
}

std::string WaylandSocketPath(const std::string& wayland_display, const std::string& runtime_dir) {
  if (wayland_display.starts_with('/')) {
    return wayland_display;
  }
  if (runtime_dir.empty()) {
    return {};
  }
  return runtime_dir + "/" + wayland_display;
}

std::string NoDisplayMessage(std::string_view reason) {
  std::string line = "Pictavue: no display is available for the window (";
  line += reason;
  line +=
      "); pictavue --batch [--settings FILE] [--yes] [--open] FOLDER makes a gallery without "
      "a window\n";
  return line;
}

}  // namespace pictavue
