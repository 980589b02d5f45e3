#pragma once

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// The click on okdruck: after the printer question, prints the date and title,
// the status text on one line, the throws wanted and done, and the 37 rows of
// tabelle1. Leaves the current cell of tabelle1 at row 36, column 3.
void printReport(Form1& form, Platform& platform);

// The status text with each line break replaced by " / ", built character by
// character through the window variables zeichen and textzeile.
void joinStatusText(Form1& form);

}  // namespace lurnatik
