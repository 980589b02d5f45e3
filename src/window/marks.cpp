#include "window/marks.h"

namespace lurnatik {

void refreshTabelle2(Form1& form) {
    form.tabelle1.setCol(0);
    form.tabelle2.setCol(0);
    for (int n = 0; n <= kHighestNumber; ++n) {
        form.tabelle1.setRow(n);
        form.tabelle2.setRow(n);
        form.tabelle2.setText(form.tabelle1.cellBackground() == kMarkingColour ? " " : "");
    }
}

}  // namespace lurnatik
