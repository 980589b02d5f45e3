#include "qt/grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "qt/caption_fit.h"

namespace lurnatik {

GridView::GridView(int rowHeight, QWidget* parent)
    : QTableView(parent), delegate_(new CellDelegate(this)) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setAutoScroll(false);
    // The style would draw the grid lines in a shade of its own.
    setShowGrid(false);
    setItemDelegate(delegate_);
}

void GridView::setRowHeights(const std::vector<int>& heights) {
    QHeaderView* rows = verticalHeader();
    const int count = std::min(rows->count(), static_cast<int>(heights.size()));
    for (int r = 0; r < count; ++r) {
        const int height = heights[static_cast<std::size_t>(r)];
        if (rows->sectionSize(r) != height) {
            rows->resizeSection(r, height);
        }
    }
}

int GridView::rowAtClamped(int y) const {
    const int rows = model() != nullptr ? model()->rowCount() : 0;
    if (rows == 0) {
        return 0;
    }
    const int row = rowAt(y);
    if (row >= 0) {
        return row;
    }
    return y < rowViewportPosition(0) ? 0 : rows - 1;
}

void GridView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    if (onRelease) {
        onRelease(rowAtClamped(event->position().toPoint().y()));
    }
}

// The second press of a double-click makes no click of its own, so a quick
// double-click on a row toggles it once.
void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && onRowKey) {
        onRowKey(key == Qt::Key_Up ? -1 : 1);
    } else if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
               !event->isAutoRepeat() && onToggleKey) {
        onToggleKey();
    } else {
        // Tab and the rest are the window's.
        event->ignore();
        return;
    }
    event->accept();
}

void GridView::setHighlight(const QModelIndex& index) {
    const QModelIndex before = highlight_;
    highlight_ = index;
    if (hasFocus()) {
        setCurrentIndex(index);
    }
    update(before);
    update(index);
}

void GridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    setCurrentIndex(highlight_);
}

void GridView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    selectionModel()->clearCurrentIndex();
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QWidget* widget = option->widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The style leaves this much room on each side of a cell's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QSize box(option->rect.width() - 2 * margin, option->rect.height());
    if (box.isEmpty() || option->text.isEmpty()) {
        return;
    }
    const FittedCaption fitted = fitCaption(option->text, false, option->font, box);
    option->font = fitted.font;
    option->text = fitted.text;
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    // The cell less its grid lines at the right and bottom.
    QStyleOptionViewItem cell = option;
    const int line = lineWidth_;
    cell.rect = option.rect.adjusted(0, 0, -line, -line);
    cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QStyledItemDelegate::paint(painter, cell, index);
    painter->save();
    const QRect r = option.rect;
    painter->fillRect(QRect(r.right() - line + 1, r.top(), line, r.height()), gridColour_);
    painter->fillRect(QRect(r.left(), r.bottom() - line + 1, r.width(), line), gridColour_);
    const auto* view = dynamic_cast<const GridView*>(option.widget);
    if (view != nullptr && view->highlight() == index) {
        // In the cell's own text colour, which stands out from its background.
        painter->setPen(QPen(index.data(Qt::ForegroundRole).value<QColor>(), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(cell.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

}  // namespace lurnatik
