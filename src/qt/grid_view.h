#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

namespace lurnatik {

// Paints a cell with its own background even when it is the current one, its grid
// lines at the right and bottom in the grid's colour, and a thin frame around the
// current cell.
class CellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setGridColour(const QColor& colour) { gridColour_ = colour; }
    void setLineWidth(int width) { lineWidth_ = width; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    // A text too wide for its cell is drawn smaller, as a caption in its label.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    QColor gridColour_{Qt::lightGray};
    int lineWidth_ = 1;
};

// A table view drawn like the window's grids: no headers, no scroll bars, rows of
// a fixed height, the current cell marked by a thin frame that leaves its colour
// visible. Neither the mouse nor the keys move the current cell themselves: a
// release reports the row under the pointer, the keys what they ask for, and the
// model decides.
class GridView : public QTableView {
  public:
    GridView(int rowHeight, QWidget* parent);

    CellDelegate* cellDelegate() const { return delegate_; }

    // Row by row, so that a zoom that makes rows a fraction of a pixel high
    // keeps every row within a pixel of its place.
    void setRowHeights(const std::vector<int>& heights);

    // Called with the row under the pointer when the left button is released
    // (the row where a drag ended).
    std::function<void(int row)> onRelease;
    // Called with -1 or +1 for the arrow keys Up and Down.
    std::function<void(int step)> onRowKey;
    // Called for Space, Return and Enter.
    std::function<void()> onToggleKey;

    // The row at a y position of the viewport, clamped into the grid.
    int rowAtClamped(int y) const;

    // The current cell of the grid, framed. It is the view's current index only
    // while the view has the focus: screen readers take a view's current index
    // for the focused object, and the grids' current cell moves with every throw.
    QModelIndex highlight() const { return highlight_; }
    void setHighlight(const QModelIndex& index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    CellDelegate* delegate_;
    QPersistentModelIndex highlight_;
    bool pressed_ = false;
};

}  // namespace lurnatik
