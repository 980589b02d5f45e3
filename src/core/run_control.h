#pragma once
// The click on okstart: throws until the mode says stop or the run has ended.

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// The click on okstart ("Start", then "Weiter").
void startClick(Form1& form, Platform& platform);

}  // namespace lurnatik
