#pragma once
// Drives the window model from a script, one command a line, and prints what the
// script asks to see. No display is needed; message boxes take queued answers.

#include <iosfwd>
#include <string>

#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik {

class ScenarioRunner {
  public:
    // `programDirectory` is where the program's own files (the info text) lie.
    ScenarioRunner(std::ostream& out, std::ostream& errors, std::string programDirectory);

    // Runs the script to its end, a quit, or the first error. Returns the exit
    // code: 0 when every command ran.
    int run(std::istream& script);

  private:
    void execute(const std::string& line);

    std::ostream& out_;
    std::ostream& errors_;
    testing::FakePlatform fake_;
    Program program_{fake_.platform};
};

}  // namespace lurnatik
