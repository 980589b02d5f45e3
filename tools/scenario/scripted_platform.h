#pragma once
// The parts of a platform that a script plays: message boxes answered from a
// queue, a clock whose seeds count up (so that a run repeats), and a session
// that records quitting. The scenario runner and the tests share them.

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lurnatik {

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

class ScriptedSession : public Session {
  public:
    std::string programDirectory() override { return directory; }
    void quit() override { quitted = true; }
    std::string directory = ".";
    bool quitted = false;
};

}  // namespace lurnatik
