#include "support/recording_printer.h"

#include "core/number_text.h"

namespace lurnatik::testing {

void RecordingPrinter::setFontSize(double points) {
    calls.push_back("font size " + lurnatik::writeNumber(points));
}

void RecordingPrinter::moveToColumn(int column) {
    calls.push_back("column " + std::to_string(column));
}

void RecordingPrinter::writeText(std::string_view text) {
    calls.push_back("text \"" + std::string(text) + "\"");
}

void RecordingPrinter::writeNumber(double value) {
    calls.push_back("number " + lurnatik::writeNumber(value));
}

}  // namespace lurnatik::testing
