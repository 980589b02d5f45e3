#include "qt/event_dispatch.h"

#include <QtGlobal>
#include <exception>

namespace lurnatik {

namespace {

// An exception must not unwind through Qt's event delivery, nor leave the
// dispatch busy for good; the window then shows what got done before it failed.
void guarded(const std::function<void()>& step, const char* what) {
    try {
        step();
    } catch (const std::exception& e) {
        qCritical("lurnatik1: %s failed: %s", what, e.what());
    } catch (...) {
        qCritical("lurnatik1: %s failed", what);
    }
}

}  // namespace

void EventDispatch::run(std::function<void()> event) {
    waiting_.push_back(std::move(event));
    if (busy_) {
        return;
    }
    busy_ = true;
    while (!waiting_.empty()) {
        std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        guarded(next, "event handling");
        guarded(sync_, "bringing the window up to date");
    }
    busy_ = false;
}

}  // namespace lurnatik
