#pragma once

#include <QtGlobal>
#include <functional>

#include "qt/control_bindings.h"

namespace lurnatik {

// The forced repaint of the throw counter during a run. The first request of an
// event brings the whole window up to date and paints it, so the set-up of a click
// (its caption, status text and enabled states) shows before the run goes on.
// After that a run asks after every throw, far more often than a screen can show;
// so it paints lakut alone at most once a frame, reads the clock only every few
// requests, and now and then lets the window handle its paint and system events
// (never user input), so that it repaints when uncovered and the desktop does not
// take it for hung.
class LakutRepainter {
  public:
    static constexpr unsigned kCheckEvery = 64;
    static constexpr qint64 kFrameNs = 16'000'000;
    static constexpr qint64 kKeepAliveNs = 50'000'000;
    // The run gets this many times the time its last keep-alive took.
    static constexpr qint64 kRunShare = 9;

    // Nanoseconds since a fixed start: a steady clock started with the repainter,
    // unless a test sets a clock of its own.
    using Clock = std::function<qint64()>;

    LakutRepainter(LabelBinding& lakut, std::function<void()> syncWindow);

    // Takes the time from `clock` from now on, as if the repainter were made at
    // its present reading.
    void setClock(Clock clock);

    void request();
    // The event has ended and the window shows the model again.
    void eventEnded() { windowShown_ = false; }

    // How often it painted and let events through; for tests and benchmarks.
    unsigned long paints() const { return paints_; }
    unsigned long keepAlives() const { return keepAlives_; }

  private:
    void showWindow();

    LabelBinding& lakut_;
    std::function<void()> syncWindow_;
    bool windowShown_ = false;
    Clock clock_;
    qint64 lastPaint_ = 0;
    qint64 nextKeepAlive_ = kKeepAliveNs;
    unsigned calls_ = 0;
    bool inside_ = false;
    unsigned long paints_ = 0;
    unsigned long keepAlives_ = 0;
};

}  // namespace lurnatik
