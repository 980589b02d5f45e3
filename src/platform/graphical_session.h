#pragma once

namespace lurnatik {

// Whether the toolkit can open windows here: false where the system needs a
// display server and the environment names none (and no other Qt platform is
// asked for), so that the program can say so instead of aborting inside Qt.
bool graphicalSessionAvailable();

// The one line the program prints when there is none.
inline constexpr const char* kNoGraphicalSession =
    "lurnatik1 braucht eine grafische Sitzung (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt).";

}  // namespace lurnatik
