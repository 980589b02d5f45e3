#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <string_view>

#include "model/form.h"

namespace lurnatik {

// What a screen reader announces for each control, in German; empty for a name
// the window does not have.
QString accessibleName(std::string_view controlName);

// Names a control's widget for screen readers by its German name; a value label
// is named by its caption instead, and a button without a German name by its
// caption, so the German name of a value label describes it.
void nameForScreenReaders(const Control& control, QWidget& widget);

// What a screen reader announces for the cells of a grid: each column's caption,
// and each cell with the number of its row and the caption of its column.
struct GridAnnouncer {
    QStringList columns;
    QString number;  // the word before a row's number

    QString cellName(const Grid& grid, int row, int column) const;
};

GridAnnouncer gridAnnouncer(const Form1& form, const Grid& grid);

}  // namespace lurnatik
