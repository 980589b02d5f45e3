#pragma once

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// The click on okende: ends the program once the user confirms.
void confirmQuit(Form1& form, Platform& platform);

}  // namespace lurnatik
