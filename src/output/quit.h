#pragma once

#include "platform/platform.h"
#include "window/model/form.h"

namespace lurnatik {

// The click on okende: ends the program once the user confirms.
void confirmQuit(Form1& form, Platform& platform);

}  // namespace lurnatik
