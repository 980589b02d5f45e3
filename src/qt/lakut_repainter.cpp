#include "qt/lakut_repainter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

namespace lurnatik {
namespace {

// Marks the repainter busy for one scope, and free again however the scope
// ends: a sync that throws must not leave it deaf to every later request.
class Inside {
  public:
    explicit Inside(bool& flag) : flag_(flag) { flag_ = true; }
    ~Inside() { flag_ = false; }
    Inside(const Inside&) = delete;
    Inside& operator=(const Inside&) = delete;

  private:
    bool& flag_;
};

LakutRepainter::Clock steadyClock() {
    QElapsedTimer timer;
    timer.start();
    return [timer] { return timer.nsecsElapsed(); };
}

}  // namespace

LakutRepainter::LakutRepainter(LabelBinding& lakut, std::function<void()> syncWindow)
    : lakut_(lakut), syncWindow_(std::move(syncWindow)), clock_(steadyClock()) {}

void LakutRepainter::setClock(Clock clock) {
    clock_ = std::move(clock);
    lastPaint_ = clock_();
    nextKeepAlive_ = lastPaint_ + kKeepAliveNs;
}

void LakutRepainter::request() {
    // A request from inside the events let through below waits for the next one.
    if (inside_) {
        return;
    }
    if (!windowShown_) {
        showWindow();
        return;
    }
    if (++calls_ < kCheckEvery) {
        return;
    }
    calls_ = 0;
    const qint64 now = clock_();
    if (now - lastPaint_ < kFrameNs) {
        return;
    }
    const Inside inside(inside_);
    lastPaint_ = now;
    lakut_.syncCaption();
    lakut_.label()->repaint();
    ++paints_;
    if (now >= nextKeepAlive_) {
        ++keepAlives_;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Events that cost much (a large window repainted after every resize
        // of a drag) come less often, so they take a tenth of the run at most.
        const qint64 spent = clock_() - now;
        nextKeepAlive_ = now + std::max(kKeepAliveNs, kRunShare * spent);
    }
}

void LakutRepainter::showWindow() {
    const Inside inside(inside_);
    windowShown_ = true;
    syncWindow_();
    // A repaint of one widget paints every region of the window waiting for it:
    // here all that the sync changed.
    lakut_.label()->repaint();
    lastPaint_ = clock_();
    ++paints_;
}

}  // namespace lurnatik
