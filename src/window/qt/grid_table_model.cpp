#include "window/qt/grid_table_model.h"

#include "window/qt/qt_convert.h"

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
        case Qt::BackgroundRole: {
            const Colour own = grid_.cell(index.row(), index.column()).background;
            if (own != colours::none) {
                return toQColor(own);
            }
            return index.column() < grid_.fixedCols() ? fixedColour_ : cellColour_;
        }
        case Qt::ForegroundRole:
            return textColour_;
        case Qt::TextAlignmentRole:
            return static_cast<int>(alignment(grid_.colAlignment(index.column())));
        case Qt::ToolTipRole:
            return grid_.tooltip.empty() ? QVariant() : QVariant(toQString(grid_.tooltip));
        default:
            return {};
    }
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

void GridTableModel::readColours() {
    cellColour_ = toQColor(grid_.cellColour);
    fixedColour_ = toQColor(grid_.fixedColour);
    textColour_ = toQColor(grid_.foreground);
}

}  // namespace lurnatik
