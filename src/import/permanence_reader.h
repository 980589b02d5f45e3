#pragma once
// Reading a permanence file: its three header lines become the status text, its
// spins the replay sequence permanenz, and the program switches to replay.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/permanenz_entry.h"
#include "platform/platform.h"
#include "window/model/form.h"

namespace lurnatik {

// A permanence file taken apart, before anything of the window is touched.
struct Permanence {
    std::string description;  // the three header items, UTF-8, joined by '\r'
    std::size_t spinCount = 0;
    // Indices 0 to spinCount + 20; spin k at index k, the others empty.
    std::vector<PermanenzEntry> spins;
};

// nullopt for a file that is no permanence: its first item does not begin with
// "Spielbank", or it ends before its fourth item. Throws std::bad_alloc when the
// spins do not fit in memory.
std::optional<Permanence> parsePermanence(std::string_view bytes);

// The click on okexternok. A file that is rejected, cannot be read or does not fit
// in memory leaves everything as it was (the spin counter permanzahl aside, which
// every click starts at 0); the panel then stays open.
void readPermanence(Form1& form, Platform& platform);

}  // namespace lurnatik
