#include "platform/graphical_session.h"

#include <cstdlib>
#include <string_view>

namespace lurnatik {
namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

bool graphicalSessionAvailable() {
    // Qt's own choice, or a list beginning with X11 or Wayland, needs their
    // server; a platform such as offscreen or vnc needs none.
    const std::string_view platform = variable("QT_QPA_PLATFORM");
    const bool needsServer =
        platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    return !needsServer || !variable("DISPLAY").empty() || !variable("WAYLAND_DISPLAY").empty();
}

}  // namespace lurnatik
