#include "platform/graphical_session.h"

#include <cstdlib>

namespace lurnatik {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool graphicalSessionAvailable() {
    // A platform named outright (offscreen, vnc, eglfs) needs no display server.
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

}  // namespace lurnatik
