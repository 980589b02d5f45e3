#include "core/count_text.h"

#include "core/number_text.h"

namespace lurnatik {
void raiseCountByConversion(std::string& text) {
    text = writeNumber(readNumber(text) + 1);
}

}  // namespace lurnatik
