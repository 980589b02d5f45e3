#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "window/model/grid.h"

namespace lurnatik {

// Qt's view of a grid of the window model: reads the cells where they are, so a
// handler's writes cost nothing until the grid is drawn.
class GridTableModel : public QAbstractTableModel {
  public:
    explicit GridTableModel(const Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The grid changed: every cell may show something else now.
    void refresh();

    // Alignment code of the grid (0 to 9, left/centre/right by top/centre/bottom).
    static Qt::Alignment alignment(int code);

  private:
    void readColours();

    const Grid& grid_;
    QColor cellColour_;
    QColor fixedColour_;
    QColor textColour_;
};

}  // namespace lurnatik
