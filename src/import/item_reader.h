#pragma once
// Splits the bytes of a permanence file into its items, without copying.
//
// Items are separated by commas and line ends (CR LF, CR alone or LF alone).
// Where the file format leaves the details open, the reader does this:
// - Blanks (space, tab) before an item are skipped, and so are line ends: a blank
//   line, or a line of blanks, holds no item. In particular a comma at the end of
//   a line (or of the data) is a trailing separator, not the start of an empty
//   item; only a comma that meets another comma (or begins a line) before any
//   other character makes an empty item ("1,,2" holds three items, "1,\r\n2" two).
// - Blanks at the end of an unquoted item are not part of it; blanks inside it are
//   ("3 5" is one item).
// - An item that begins with a double quote runs to the next double quote, across
//   commas and line ends; the quotes are not part of it. Whatever follows the
//   closing quote up to the next comma or line end is dropped. A quote that never
//   closes runs to the end of the data.
// - White space after the last item delivers nothing.
// - NUL and every other byte are ordinary characters of an item; they end nothing.

#include <cstddef>
#include <string_view>

namespace lurnatik {

class ItemReader {
  public:
    explicit ItemReader(std::string_view data) : data_(data) {}

    // True when no further item follows, only blanks and line ends if anything.
    bool atEnd();
    // The next item; false at the end of the data (item is then left alone).
    bool next(std::string_view& item);

    // Bytes consumed so far.
    std::size_t position() const { return pos_; }

  private:
    void skipSeparatorSpace();

    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace lurnatik
