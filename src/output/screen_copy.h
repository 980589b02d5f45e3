#pragma once

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// The click on okcopy: after the printer question, prints an image of the window
// as it is shown, import panel or info box included.
void printScreenCopy(Form1& form, Platform& platform);

}  // namespace lurnatik
