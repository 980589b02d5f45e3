#pragma once

#include <QString>
#include <string_view>

namespace lurnatik {

// What a screen reader announces for each control, in German; empty for a name
// the window does not have.
QString accessibleName(std::string_view controlName);

}  // namespace lurnatik
