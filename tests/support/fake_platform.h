#pragma once
// A scripted platform for tests: the scenario runner's message boxes answered
// from a queue, counting clock, text printer and session, with German number
// conventions, the real disk and memory as a test sets it.

#include <cstdint>
#include <optional>

#include "platform/disk_file_system.h"
#include "platform/platform.h"
#include "recording_printer.h"
#include "scripted_platform.h"

namespace lurnatik::testing {

using lurnatik::CountingClock;
using lurnatik::RecordingPrinter;
using lurnatik::ScriptedMessageBox;
using FakeSession = lurnatik::ScriptedSession;

// Numbers as a German user writes them: "," decimal separator, "." grouping.
class FakeLocale : public Locale {
  public:
    std::optional<double> toNumber(std::string_view text) override;
};

// Memory as a test sets it; nullopt: nothing limits it.
class FakeMemoryProbe : public MemoryProbe {
  public:
    std::optional<std::uint64_t> availableBytes() override { return available; }
    std::optional<std::uint64_t> available;
};

// All fakes together, with the Platform the handlers take.
struct FakePlatform {
    ScriptedMessageBox messageBox;
    CountingClock clock;
    FakeLocale locale;
    DiskFileSystem files;
    RecordingPrinter printer;
    FakeSession session;
    FakeMemoryProbe memory;
    Platform platform{messageBox, clock, locale, files, printer, session, memory};
};

}  // namespace lurnatik::testing
