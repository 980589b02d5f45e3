#pragma once

#include <string_view>

#include "platform/platform.h"

namespace lurnatik {

// The question before every printing: Ja shows the printer-setup dialog first,
// Nein prints at once, Abbrechen prints nothing. True when printing goes on.
bool askPrinterSettings(Platform& platform, std::string_view title);

}  // namespace lurnatik
