#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "model/form.h"

namespace lurnatik {

// What a screen reader announces for each control, in German; empty for a name
// the window does not have.
QString accessibleName(std::string_view controlName);

// What a screen reader announces for the cells of a grid: each column's caption,
// and each cell with the number of its row and the caption of its column.
struct GridAnnouncer {
    QStringList columns;
    QString number;  // the word before a row's number

    QString cellName(const Grid& grid, int row, int column) const;
};

GridAnnouncer gridAnnouncer(const Form1& form, const Grid& grid);

}  // namespace lurnatik
