#pragma once

#include <string>

namespace lurnatik {

// The running program: where its file lies, and ending it.
class Session {
  public:
    virtual ~Session() = default;
    // The directory that holds the program file (not the working directory).
    virtual std::string programDirectory() = 0;
    // Closes the window and ends the program; no further event is handled.
    virtual void quit() = 0;
};

}  // namespace lurnatik
