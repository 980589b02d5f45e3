#include "window/qt/event_dispatch.h"

#include <QtGlobal>
#include <exception>

namespace lurnatik {

void EventDispatch::run(std::function<void()> event) {
    waiting_.push_back(std::move(event));
    if (busy_) {
        return;
    }
    busy_ = true;
    while (!waiting_.empty()) {
        std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        // An exception must not unwind through Qt's event delivery; the window
        // then shows what the handler got done before it failed.
        try {
            next();
        } catch (const std::exception& e) {
            qCritical("lurnatik1: event handling failed: %s", e.what());
        }
        sync_();
    }
    busy_ = false;
}

}  // namespace lurnatik
