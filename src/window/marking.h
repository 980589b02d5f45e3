#pragma once
// Marking numbers in tabelle1 and clearing the marks or their records.

#include "model/form.h"

namespace lurnatik {

// Click on tabelle1: toggles the mark of the number in the row where the
// selection ended (RowSel), whichever column was clicked.
void toggleMark(Form1& form);

// Click on okresetl: removes every mark and every record in tabelle2.
void removeAllMarks(Form1& form);

// Click on Command1: marked numbers wait again, the others show nothing.
void clearRecordedThrows(Form1& form);

}  // namespace lurnatik
