#pragma once

#include <QIcon>

namespace lurnatik {

// The program's icon at every size the desktop asks for, built into the
// program as PNGs, so it shows also where Qt's SVG plugin is missing.
QIcon programIcon();

}  // namespace lurnatik
