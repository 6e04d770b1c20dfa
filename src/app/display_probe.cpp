#include "app/display_probe.h"

#include <cstdlib>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace pictavue {
namespace {

// The server's authorization is checked too, as Qt's own connection would be.
bool CanConnectToX11(const std::string& display) {
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool connected = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return connected;
}

bool CanConnectToSocket(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) {
    return false;
  }
  std::memcpy(address.sun_path, path.data(), path.size());
  const int socket_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_fd < 0) {
    return false;
  }
  const bool connected =
      connect(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(socket_fd);
  return connected;
}

}  // namespace

std::optional<std::string> WhyNoWindowCanBeShown(DisplayRoute route,
                                                 const DisplayEnvironment& environment) {
  switch (route) {
    case DisplayRoute::kQtDecides:
      return std::nullopt;
    case DisplayRoute::kX11:
      if (CanConnectToX11(environment.x11_display)) {
        return std::nullopt;
      }
      return "cannot connect to the X display " + environment.x11_display;
    case DisplayRoute::kWayland: {
      const char* runtime_dir = std::getenv("XDG_RUNTIME_DIR");
      if (CanConnectToSocket(WaylandSocketPath(environment.wayland_display,
                                               runtime_dir == nullptr ? "" : runtime_dir))) {
        return std::nullopt;
      }
      return "cannot connect to the Wayland display " + environment.wayland_display;
    }
    case DisplayRoute::kNone:
      break;
  }
  return "neither DISPLAY nor WAYLAND_DISPLAY is set";
}

}  // namespace pictavue
