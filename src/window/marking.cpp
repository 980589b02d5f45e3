#include "window/marking.h"

#include "window/marks.h"

namespace lurnatik {

void toggleMark(Form1& form) {
    Grid& t1 = form.tabelle1;
    Grid& t2 = form.tabelle2;
    const int r = t1.rowSel;
    if (r < 0 || r >= t1.rows()) {
        return;  // a release outside the rows names no number
    }
    t1.setRow(r);
    t2.setRow(r);
    t1.setCol(0);
    if (t1.cellBackground() == colours::none) {
        t1.setCellBackground(kMarkingColour);
        t2.setText(" ");
    } else if (t1.cellBackground() == kMarkingColour) {
        t1.setCellBackground(colours::none);
        t2.setText("");
    }
}

void removeAllMarks(Form1& form) {
    Grid& t1 = form.tabelle1;
    Grid& t2 = form.tabelle2;
    t1.setCol(0);
    t2.setCol(0);
    for (int n = 0; n <= kHighestNumber; ++n) {
        t1.setRow(n);
        t2.setRow(n);
        t1.setCellBackground(colours::none);
        t2.setText("");
    }
}

void clearRecordedThrows(Form1& form) {
    refreshTabelle2(form);
}

}  // namespace lurnatik
