#pragma once

#include "platform/platform.h"
#include "window/model/form.h"

namespace lurnatik {

// The click on okcopy: after the printer question, prints an image of the window
// as it is shown, import panel or info box included.
void printScreenCopy(Form1& form, Platform& platform);

}  // namespace lurnatik
