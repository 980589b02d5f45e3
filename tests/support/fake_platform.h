#pragma once
// A scripted platform for tests and the scenario runner: message boxes answered
// from a queue, a clock that counts, German number conventions, the real disk, a
// text printer, and a session that records quitting.

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/disk_file_system.h"
#include "platform/platform.h"
#include "support/recording_printer.h"

namespace lurnatik::testing {

// A message box was asked with no answer queued.
struct UnexpectedQuestion : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Question {
    std::string prompt;
    std::string title;
    int style;
};

class ScriptedMessageBox : public MessageBox {
  public:
    Answer ask(std::string_view prompt, std::string_view title, int style) override;
    std::deque<Answer> answers;
    std::vector<Question> asked;
};

class CountingClock : public Clock {
  public:
    std::uint64_t seed() override { return ++readings; }
    std::uint64_t readings = 0;
};

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

class FakeSession : public Session {
  public:
    std::string programDirectory() override { return directory; }
    void quit() override { quitted = true; }
    std::string directory = ".";
    bool quitted = false;
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
