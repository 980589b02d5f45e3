#pragma once

#include <functional>
#include <string_view>

#include "platform/platform.h"

namespace lurnatik {

// The question before every printing: Ja shows the printer-setup dialog first,
// Nein prints at once, Abbrechen prints nothing. True when printing goes on.
bool askPrinterSettings(Platform& platform, std::string_view title);

// Runs `job`, which ends its print job itself. A job cut off by an exception is
// aborted before the exception goes on, so that the next job does not continue it.
void printAbortingOnFailure(Printer& printer, const std::function<void()>& job);

}  // namespace lurnatik
