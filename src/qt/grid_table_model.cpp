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
    const Cell* shown = shownCell(index);
    if (shown == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return toQString(shown->text);
        case Qt::BackgroundRole:
            return cellColours(*shown, index.column()).background;
        case Qt::ForegroundRole:
            return cellColours(*shown, index.column()).text;
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
    shownCols_ = grid_.cols();
    shown_.clear();
    for (int r = 0; r < grid_.rows(); ++r) {
        for (int c = 0; c < shownCols_; ++c) {
            shown_.push_back(grid_.cell(r, c));
        }
    }
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

const Cell* GridTableModel::shownCell(const QModelIndex& index) const {
    if (!index.isValid() || index.column() >= shownCols_) {
        return nullptr;
    }
    const auto at = static_cast<std::size_t>(index.row()) * static_cast<std::size_t>(shownCols_) +
                    static_cast<std::size_t>(index.column());
    return at < shown_.size() ? &shown_[at] : nullptr;
}

GridTableModel::CellColours GridTableModel::cellColours(const Cell& cell, int col) const {
    const Colour own = cell.background;
    if (own != colours::none) {
        return coloursOf(own);
    }
    return col < grid_.fixedCols() ? fixed_ : cells_;
}

void GridTableModel::readColours() {
    cells_ = coloursOf(grid_.cellColour);
    fixed_ = coloursOf(grid_.fixedColour);
}

}  // namespace lurnatik
