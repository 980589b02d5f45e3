#include "model/controls.h"

namespace lurnatik {

OptionArray::OptionArray(std::string name, int count) : name_(std::move(name)) {
    for (int i = 0; i < count; ++i) {
        buttons_.push_back(std::make_unique<OptionButton>(name_ + "(" + std::to_string(i) + ")"));
    }
}

void OptionArray::select(int index) {
    if (index < 0 || index >= size()) {
        return;
    }
    selected_ = index;
    if (onSelect) {
        onSelect(index);
    }
}

}  // namespace lurnatik
