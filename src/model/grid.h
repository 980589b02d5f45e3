#pragma once
// The grid control: cells with a text and a background colour, a current cell
// that every access moves, and the row where the last selection ended.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/controls.h"

namespace lurnatik {

struct Cell {
    std::string text;                   // "" and " " are different values
    Colour background = colours::none;  // none: drawn in the grid's own colour
};

class Grid : public Control {
  public:
    Grid(std::string name, int rows, int cols, int fixedCols);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int fixedCols() const { return fixedCols_; }

    // Row and Col: the current cell. Every cell access goes through it.
    int row() const { return row_; }
    int col() const { return col_; }
    // Handlers only ever address rows and columns that exist; an address outside
    // the grid is a fault of the program, and must not write somewhere else.
    void setRow(int row) {
        if (static_cast<unsigned>(row) >= static_cast<unsigned>(rows_)) {
            noSuchRow(row);
        }
        row_ = row;
    }
    void setCol(int col) {
        checkCol(col);
        col_ = col;
    }

    // RowSel: the row at the moving end of the last selection.
    int rowSel = 0;

    const std::string& text() const { return at(row_, col_).text; }
    void setText(std::string_view text) {
        at(row_, col_).text.assign(text);
        ++revision_;
    }
    // The current cell's text, to change in place; counts as a change.
    std::string& editText() {
        ++revision_;
        return at(row_, col_).text;
    }
    Colour cellBackground() const { return at(row_, col_).background; }
    void setCellBackground(Colour colour) {
        at(row_, col_).background = colour;
        ++revision_;
    }

    // Direct reads for drawing and checking; they do not move the current cell.
    const Cell& cell(int row, int col) const { return at(row, col); }

    int colWidth(int col) const;  // twips
    void setColWidth(int col, int twips);
    int colAlignment(int col) const;  // 3: centred horizontally, at the top
    void setColAlignment(int col, int code);

    // Counts every change of a cell, so a view knows when to redraw.
    std::uint64_t revision() const { return revision_; }

    Colour cellColour = colours::window;  // cells without a colour of their own
    Colour fixedColour = colours::buttonFace;
    Colour gridLineColour = colours::gridLine;
    Colour emptyAreaColour = colours::emptyArea;

    // A click: the binding sets rowSel to the row where the button was released,
    // then clicks.
    void click() {
        if (enabled && shown() && onClick) {
            onClick();
        }
    }
    std::function<void()> onClick;

  private:
    std::size_t offset(int row, int col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    Cell& at(int row, int col) { return cells_[offset(row, col)]; }
    const Cell& at(int row, int col) const { return cells_[offset(row, col)]; }
    void checkCol(int col) const {
        if (static_cast<unsigned>(col) >= static_cast<unsigned>(cols_)) {
            noSuchCol(col);
        }
    }
    [[noreturn]] void noSuchRow(int row) const;
    [[noreturn]] void noSuchCol(int col) const;

    int rows_;
    int cols_;
    int fixedCols_;
    int row_ = 0;
    int col_ = 0;
    std::vector<Cell> cells_;
    std::vector<int> colWidths_;
    std::vector<int> colAlignments_;
    std::uint64_t revision_ = 0;
};

}  // namespace lurnatik
