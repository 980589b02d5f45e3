#pragma once

#include <string>

namespace lurnatik {

// The directory of the running program's real file (links resolved), as the
// program's path text names it (on Linux the system's bytes, whatever their
// encoding); empty when the system cannot tell.
std::string realProgramDirectory();

}  // namespace lurnatik
