#pragma once

#include <string_view>

namespace lurnatik {

// Name order for the lists: letter case ignored, umlauts among their base letters
// (ä as a, ß as ss); names that differ only so are ordered bytewise.
bool germanNameLess(std::string_view a, std::string_view b);

}  // namespace lurnatik
