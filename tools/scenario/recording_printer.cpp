#include "recording_printer.h"

#include <utility>

namespace lurnatik {

void RecordingPrinter::moveToColumn(int column) {
    calls.push_back("column " + std::to_string(column));
    printing_ = true;
    const int target = column < 1 ? 0 : column - 1;
    if (position_ > target) {
        breakLine();
    }
    line_.append(static_cast<std::size_t>(target - position_), ' ');
    position_ = target;
}

void RecordingPrinter::put(std::string call, std::string_view text) {
    calls.push_back(std::move(call));
    printing_ = true;
    line_ += text;
    for (unsigned char c : text) {
        position_ += (c & 0xC0) != 0x80;  // counts the first byte of each code point
    }
}

void RecordingPrinter::endLine() {
    calls.push_back("end line");
    printing_ = true;
    breakLine();
}

void RecordingPrinter::endJob() {
    calls.push_back("end job");
    if (printing_) {
        if (position_ > 0) {
            breakLine();
        }
        finish(std::exchange(lines_, {}));
    }
    startAfresh();
}

void RecordingPrinter::abortJob() {
    calls.push_back("abort job");
    startAfresh();
}

void RecordingPrinter::startAfresh() {
    lines_.clear();
    line_.clear();
    position_ = 0;
    printing_ = false;
}

void RecordingPrinter::printWindowImage() {
    calls.push_back("window image");
    finish({"[window image 638x477]"});
}

void RecordingPrinter::breakLine() {
    lines_.push_back(std::exchange(line_, {}));
    position_ = 0;
}

void RecordingPrinter::finish(std::vector<std::string> lines) {
    jobs.push_back(std::move(lines));
    if (onJobFinished) {
        onJobFinished(jobs.back());
    }
}

}  // namespace lurnatik
