#include "qt/grid_table_model.h"

#include "qt/qt_convert.h"

namespace lurnatik {

GridTableModel::GridTableModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
    readColours();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rows();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.cols();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.rows() || index.column() >= grid_.cols()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return toQString(grid_.cell(index.row(), index.column()).text);
        case Qt::BackgroundRole:
            return cellColours(index).background;
        case Qt::ForegroundRole:
            return cellColours(index).text;
        case Qt::TextAlignmentRole:
            return static_cast<int>(alignment(grid_.colAlignment(index.column())));
        case Qt::AccessibleTextRole:
            return announcer_.cellName(grid_, index.row(), index.column());
        case Qt::ToolTipRole:
            return grid_.tooltip.empty() ? QVariant() : QVariant(toQString(grid_.tooltip));
        default:
            return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section);
    }
    return announcer_.columns.value(section);
}

void GridTableModel::refresh() {
    readColours();
    if (grid_.rows() > 0 && grid_.cols() > 0) {
        emit dataChanged(index(0, 0), index(grid_.rows() - 1, grid_.cols() - 1));
    }
}

Qt::Alignment GridTableModel::alignment(int code) {
    if (code < 0 || code > 8) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight};
    static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                      Qt::AlignBottom};
    return kHorizontal[code / 3] | kVertical[code % 3];
}

GridTableModel::CellColours GridTableModel::coloursOf(Colour background) const {
    return {toQColor(background), textColourOn(background, grid_.foreground)};
}

GridTableModel::CellColours GridTableModel::cellColours(const QModelIndex& index) const {
    const Colour own = grid_.cell(index.row(), index.column()).background;
    if (own != colours::none) {
        return coloursOf(own);
    }
    return index.column() < grid_.fixedCols() ? fixed_ : cells_;
}

void GridTableModel::readColours() {
    cells_ = coloursOf(grid_.cellColour);
    fixed_ = coloursOf(grid_.fixedColour);
}

}  // namespace lurnatik
