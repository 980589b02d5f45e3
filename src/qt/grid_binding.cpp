#include "qt/grid_binding.h"

#include <QAccessible>
#include <algorithm>
#include <vector>

#include "qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kGrid{QPalette::Window, QPalette::Text, false};

// The sizes of the cells between edges given in twips from the grid's outer edge,
// the first edge being the inside of its frame. Each edge lands where the zoom
// puts it, so cells far from the frame stay within a pixel of their place.
std::vector<int> sizesBetween(const std::vector<int>& edges, double zoom, int frame) {
    std::vector<int> sizes;
    int previous = 0;
    for (std::size_t i = 1; i < edges.size(); ++i) {
        const int edge = std::max(previous, toPixels(edges[i], zoom) - frame);
        sizes.push_back(edge - previous);
        previous = edge;
    }
    return sizes;
}

}  // namespace

GridBinding::GridBinding(Grid& grid, QWidget* parent, EventDispatch& dispatch,
                         GridAnnouncer announcer)
    : WidgetBinding(grid, new GridView(kRowHeight, parent), kGrid),
      grid_(grid),
      view_(static_cast<GridView*>(widget())),
      model_(new GridTableModel(grid, view_)) {
    model_->setAnnouncer(std::move(announcer));
    view_->setModel(model_);
    GridBinding::setZoom(1.0);
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
        layoutColumns();
        model_->refresh();
        announceChangedCells();
    } else if (announced_.empty()) {
        announceChangedCells();  // a screen reader may have come since
    }
    const QModelIndex current = model_->index(grid_.row(), grid_.col());
    if (first_ || view_->highlight() != current) {
        view_->setHighlight(current);
    }
    first_ = false;
}

// A cell's name holds its count and its mark, so a screen reader hears a changed
// cell by its new name. Only while one listens: the comparison costs a pass over
// the grid.
void GridBinding::announceChangedCells() {
    if (!QAccessible::isActive()) {
        announced_.clear();
        return;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view_);
    QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
    const auto count =
        static_cast<std::size_t>(grid_.rows()) * static_cast<std::size_t>(grid_.cols());
    const bool first = announced_.size() != count;
    announced_.resize(count);
    for (int r = 0; r < grid_.rows(); ++r) {
        for (int c = 0; c < grid_.cols(); ++c) {
            const Cell& now = grid_.cell(r, c);
            Cell& heard =
                announced_[static_cast<std::size_t>(r) * static_cast<std::size_t>(grid_.cols()) +
                           static_cast<std::size_t>(c)];
            if (now.text == heard.text && now.background == heard.background) {
                continue;
            }
            heard = now;
            QAccessibleInterface* cell = !first && cells != nullptr ? cells->cellAt(r, c) : nullptr;
            if (cell != nullptr) {
                QAccessibleEvent changed(cell, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&changed);
            }
        }
    }
}

void GridBinding::applyGridColours() {
    // Base fills the area no cell covers.
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Base, toQColor(grid_.emptyAreaColour));
    view_->setPalette(palette);
    view_->cellDelegate()->setGridColour(toQColor(grid_.gridLineColour));
}

void GridBinding::setZoom(double zoom) {
    WidgetBinding::setZoom(zoom);
    zoom_ = zoom;
    const int frame = borderWidth(zoom);
    view_->setLineWidth(frame);
    view_->cellDelegate()->setLineWidth(frame);
    std::vector<int> edges;
    for (int r = 0; r <= grid_.rows(); ++r) {
        edges.push_back((1 + r * kRowHeight) * kTwipsPerPixel);
    }
    const std::vector<int> heights = sizesBetween(edges, zoom, frame);
    view_->setRowHeights(heights);
    // The text must fit a row less its grid line.
    const int lowest = heights.empty() ? 0 : *std::min_element(heights.begin(), heights.end());
    view_->setFont(toQFont(grid_.font, lowest - frame, zoom));
    layoutColumns();
}

void GridBinding::layoutColumns() {
    std::vector<int> edges{kTwipsPerPixel};
    for (int c = 0; c < grid_.cols(); ++c) {
        edges.push_back(edges.back() + grid_.colWidth(c));
    }
    const std::vector<int> widths = sizesBetween(edges, zoom_, borderWidth(zoom_));
    for (int c = 0; c < grid_.cols(); ++c) {
        if (view_->columnWidth(c) != widths[static_cast<std::size_t>(c)]) {
            view_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        }
    }
}

}  // namespace lurnatik
