#pragma once

#include <cstdint>
#include <vector>

#include "model/grid.h"
#include "qt/event_dispatch.h"
#include "qt/grid_table_model.h"
#include "qt/grid_view.h"
#include "qt/widget_binding.h"

namespace lurnatik {

class GridBinding : public WidgetBinding {
  public:
    // Rows are this many pixels high at 100 %: 37 of them fill the grids' 410 pixels.
    static constexpr int kRowHeight = 11;

    GridBinding(Grid& grid, QWidget* parent, EventDispatch& dispatch, GridAnnouncer announcer);
    GridView* view() const { return view_; }
    void sync() override;
    void setZoom(double zoom) override;

  private:
    void applyGridColours();
    void layoutColumns();
    void announceChangedCells();

    Grid& grid_;
    GridView* view_;
    GridTableModel* model_;
    std::uint64_t revision_ = 0;
    std::vector<Cell> announced_;  // the cells as screen readers last heard them
    double zoom_ = 1.0;
    bool first_ = true;
};

}  // namespace lurnatik
