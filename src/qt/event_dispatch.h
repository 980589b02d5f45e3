#pragma once

#include <deque>
#include <functional>

namespace lurnatik {

// Runs the model events that user input causes, one at a time, and brings the
// widgets up to date after each. A handler may run a nested event loop (a message
// box, or the keep-alive of a long run); an event that arrives meanwhile waits
// until the running one has ended instead of running inside it.
class EventDispatch {
  public:
    explicit EventDispatch(std::function<void()> sync) : sync_(std::move(sync)) {}

    void run(std::function<void()> event);
    bool busy() const { return busy_; }
    // The window has gone: events that still wait are not handled any more.
    void discardWaiting() { waiting_.clear(); }

  private:
    std::function<void()> sync_;
    std::deque<std::function<void()>> waiting_;
    bool busy_ = false;
};

}  // namespace lurnatik
