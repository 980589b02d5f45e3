#include "window/qt/grid_binding.h"

#include <algorithm>

#include "window/qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kGrid{QPalette::Window, QPalette::Text, false};

}  // namespace

GridBinding::GridBinding(Grid& grid, QWidget* parent, EventDispatch& dispatch,
                         GridAnnouncer announcer)
    : WidgetBinding(grid, new GridView(kRowHeight, parent), kGrid),
      grid_(grid),
      view_(static_cast<GridView*>(widget())),
      model_(new GridTableModel(grid, view_)) {
    // The text must fit a row less its grid line.
    view_->setFont(toQFont(grid.font, kRowHeight - 1));
    model_->setAnnouncer(std::move(announcer));
    view_->setModel(model_);
    view_->onRelease = [this, &dispatch](int row) {
        dispatch.run([this, row] {
            grid_.rowSel = row;
            grid_.click();
        });
    };
    // A grid in the tab order takes the keyboard: the arrows move its current
    // row, and Space or Enter clicks that row.
    if (grid.tabIndex >= 0) {
        view_->setFocusPolicy(Qt::StrongFocus);
        view_->onRowKey = [this, &dispatch](int step) {
            dispatch.run([this, step] {
                grid_.setRow(std::clamp(grid_.row() + step, 0, grid_.rows() - 1));
            });
        };
        view_->onToggleKey = [this, &dispatch] {
            dispatch.run([this] {
                grid_.rowSel = grid_.row();
                grid_.click();
            });
        };
    }
}

void GridBinding::sync() {
    WidgetBinding::sync();
    if (first_) {
        applyGridColours();
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

void GridBinding::applyGridColours() {
    // Base fills the area no cell covers.
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Base, toQColor(grid_.emptyAreaColour));
    view_->setPalette(palette);
    view_->cellDelegate()->setGridColour(toQColor(grid_.gridLineColour));
}

}  // namespace lurnatik
