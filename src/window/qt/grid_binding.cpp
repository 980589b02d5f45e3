#include "window/qt/grid_binding.h"

#include "window/qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kGrid{QPalette::Window, QPalette::Text, false};

}  // namespace

GridBinding::GridBinding(Grid& grid, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(grid, new GridView(kRowHeight, parent), kGrid),
      grid_(grid),
      view_(static_cast<GridView*>(widget())),
      model_(new GridTableModel(grid, view_)) {
    // The text must fit a row less its grid line.
    view_->setFont(toQFont(grid.font, kRowHeight - 1));
    view_->setModel(model_);
    view_->onRelease = [this, &dispatch](int row) {
        dispatch.run([this, row] {
            grid_.rowSel = row;
            grid_.click();
        });
    };
}

void GridBinding::sync() {
    WidgetBinding::sync();
    if (first_) {
        // Base fills the area no cell covers.
        QPalette palette = view_->palette();
        palette.setColor(QPalette::Base, toQColor(grid_.emptyAreaColour));
        view_->setPalette(palette);
        view_->cellDelegate()->setGridColour(toQColor(grid_.gridLineColour));
    }
    if (first_ || grid_.revision() != revision_) {
        revision_ = grid_.revision();
        for (int c = 0; c < grid_.cols(); ++c) {
            const int width = toPixels(grid_.colWidth(c));
            if (view_->columnWidth(c) != width) {
                view_->setColumnWidth(c, width);
            }
        }
        model_->refresh();
    }
    const QModelIndex current = model_->index(grid_.row(), grid_.col());
    if (first_ || view_->currentIndex() != current) {
        view_->setCurrentIndex(current);
    }
    first_ = false;
}

}  // namespace lurnatik
