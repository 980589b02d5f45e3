#include "window/model/grid.h"

#include <stdexcept>

namespace lurnatik {

Grid::Grid(std::string name, int rows, int cols, int fixedCols)
    : Control(Kind::Grid, std::move(name)),
      rows_(rows),
      cols_(cols),
      fixedCols_(fixedCols),
      cells_(static_cast<std::size_t>(rows * cols)),
      colWidths_(static_cast<std::size_t>(cols), 960),
      colAlignments_(static_cast<std::size_t>(cols), 0) {}

// Handlers only ever address rows and columns that exist; an address outside the
// grid is a fault of the program, and must not write somewhere else.
void Grid::setRow(int row) {
    if (row < 0 || row >= rows_) {
        throw std::out_of_range(name() + ": no row " + std::to_string(row));
    }
    row_ = row;
}

void Grid::setCol(int col) {
    checkCol(col);
    col_ = col;
}

void Grid::checkCol(int col) const {
    if (col < 0 || col >= cols_) {
        throw std::out_of_range(name() + ": no column " + std::to_string(col));
    }
}

int Grid::colWidth(int col) const {
    checkCol(col);
    return colWidths_[static_cast<std::size_t>(col)];
}

void Grid::setColWidth(int col, int twips) {
    checkCol(col);
    colWidths_[static_cast<std::size_t>(col)] = twips;
    ++revision_;
}

int Grid::colAlignment(int col) const {
    checkCol(col);
    return colAlignments_[static_cast<std::size_t>(col)];
}

void Grid::setColAlignment(int col, int code) {
    checkCol(col);
    colAlignments_[static_cast<std::size_t>(col)] = code;
    ++revision_;
}

}  // namespace lurnatik
