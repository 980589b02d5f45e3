#include "core/frequency_table.h"

#include "model/state.h"

namespace lurnatik {

void emptyCountColumns(Grid& tabelle1) {
    for (int n = 0; n <= kHighestNumber; ++n) {
        tabelle1.setRow(n);
        for (int c = 1; c <= 3; ++c) {
            tabelle1.setCol(c);
            tabelle1.setText("");
        }
    }
}

}  // namespace lurnatik
