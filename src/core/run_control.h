#pragma once
// The click on okstart: throws until the mode says stop or the run has ended.

#include "platform/platform.h"
#include "window/model/form.h"

namespace lurnatik {

// The click on okstart ("Start", then "Weiter").
void startClick(Form1& form, Platform& platform);

}  // namespace lurnatik
