#pragma once

#include <string>

namespace lurnatik {

// The directory of the running program's real file (links resolved), as the
// bytes the system names it, whatever their encoding; empty when the system
// cannot tell. `selfLink` is the system's link to the running program.
std::string realProgramDirectory(const char* selfLink = "/proc/self/exe");

}  // namespace lurnatik
