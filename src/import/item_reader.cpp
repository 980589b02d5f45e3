#include "import/item_reader.h"

namespace lurnatik {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

void ItemReader::skipSeparatorSpace() {
    while (pos_ < data_.size() && (isBlank(data_[pos_]) || isLineEnd(data_[pos_]))) {
        ++pos_;
    }
}

bool ItemReader::atEnd() {
    skipSeparatorSpace();
    return pos_ >= data_.size();
}

bool ItemReader::next(std::string_view& item) {
    if (atEnd()) {
        return false;
    }
    const char* const text = data_.data();
    const std::size_t size = data_.size();

    if (text[pos_] == '"') {
        const std::size_t begin = pos_ + 1;
        std::size_t close = data_.find('"', begin);
        if (close == std::string_view::npos) {
            close = size;
        }
        item = data_.substr(begin, close - begin);
        // Drop what trails the closing quote on its item.
        pos_ = close < size ? close + 1 : size;
        while (pos_ < size && text[pos_] != ',' && !isLineEnd(text[pos_])) {
            ++pos_;
        }
    } else {
        const std::size_t begin = pos_;
        while (pos_ < size && text[pos_] != ',' && !isLineEnd(text[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > begin && isBlank(text[end - 1])) {
            --end;
        }
        item = data_.substr(begin, end - begin);
    }
    // A comma belongs to the item it ends; a line end is skipped before the next.
    if (pos_ < size && text[pos_] == ',') {
        ++pos_;
    }
    return true;
}

}  // namespace lurnatik
