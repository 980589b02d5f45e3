#include "model/grid.h"

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

void Grid::noSuchRow(int row) const {
    throw std::out_of_range(name() + ": no row " + std::to_string(row));
}

void Grid::noSuchCol(int col) const {
    throw std::out_of_range(name() + ": no column " + std::to_string(col));
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
