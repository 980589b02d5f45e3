#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

#include "model/grid.h"
#include "qt/accessible_names.h"

namespace lurnatik {

// Qt's view of a grid of the window model: reads the cells where they are, so a
// handler's writes cost nothing until the grid is drawn.
class GridTableModel : public QAbstractTableModel {
  public:
    explicit GridTableModel(const Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Columns by their caption, rows by their number: what a screen reader reads.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setAnnouncer(GridAnnouncer announcer) { announcer_ = std::move(announcer); }

    // The grid changed: every cell may show something else now.
    void refresh();

    // Alignment code of the grid (0 to 9, left/centre/right by top/centre/bottom).
    static Qt::Alignment alignment(int code);

  private:
    struct CellColours {
        QColor background;
        QColor text;
    };
    CellColours coloursOf(Colour background) const;
    CellColours cellColours(const Cell& cell, int col) const;
    // The cell as the last refresh found it, or null outside the grid.
    const Cell* shownCell(const QModelIndex& index) const;
    void readColours();

    const Grid& grid_;
    // The cells as the window last brought them up to date, row by row: a paint
    // that comes in the middle of a run (the window uncovered, maximised) shows
    // the same throw as every other control, not the counts of the moment.
    std::vector<Cell> shown_;
    int shownCols_ = 0;
    GridAnnouncer announcer_;
    CellColours cells_;  // cells without a colour of their own
    CellColours fixed_;  // the same in the fixed columns
};

}  // namespace lurnatik
