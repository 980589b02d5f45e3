#pragma once
// Everything the handlers ask of their surroundings.

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/memory_probe.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/session.h"

namespace lurnatik {

struct Platform {
    MessageBox& messageBox;
    Clock& clock;
    Locale& locale;
    FileSystem& files;
    Printer& printer;
    Session& session;
    // The system's unless a test puts a fake in.
    MemoryProbe& memory = systemMemoryProbe();
};

}  // namespace lurnatik
