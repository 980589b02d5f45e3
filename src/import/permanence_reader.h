#pragma once
// Reading a permanence file: its three header lines become the status text, its
// spins the replay sequence permanenz, and the program switches to replay.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/form.h"
#include "model/permanenz_entry.h"
#include "platform/file_reading.h"
#include "platform/platform.h"

namespace lurnatik {

// A permanence file taken apart, before anything of the window is touched.
struct Permanence {
    std::string description;  // the three header items, UTF-8, joined by '\r'
    std::size_t spinCount = 0;
    // Indices 0 to spinCount + 20; spin k at index k, the others empty.
    std::vector<PermanenzEntry> spins;
};

// nullopt for a file that is no permanence: its first item does not begin with
// "Spielbank", or it ends before its fourth item; and when `mayAllocate` refuses
// the memory for its description or its spins, asked before each is made. Throws
// std::bad_alloc when they do not fit after all.
std::optional<Permanence> parsePermanence(std::string_view bytes,
                                          const MemoryCheck& mayAllocate = nullptr);

// The click on okexternok. A file that is rejected, cannot be read or needs more
// memory than the system can give leaves everything as it was (the spin counter permanzahl aside,
// which every click starts at 0); the panel then stays open.
void readPermanence(Form1& form, Platform& platform);

}  // namespace lurnatik
