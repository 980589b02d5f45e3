#pragma once

#include <QElapsedTimer>

#include "window/qt/control_bindings.h"

namespace lurnatik {

// The forced repaint of the throw counter during a run. A run asks for it after
// every throw, far more often than a screen can show; so it paints at most once a
// frame, reads the clock only every few requests, and now and then lets the window
// handle its paint and system events (never user input) so the desktop does not
// take it for hung.
class LakutRepainter {
  public:
    static constexpr unsigned kCheckEvery = 64;
    static constexpr qint64 kFrameNs = 16'000'000;
    static constexpr qint64 kKeepAliveNs = 50'000'000;

    explicit LakutRepainter(LabelBinding& lakut);

    void request();

    // How often it painted and let events through; for tests and benchmarks.
    unsigned long paints() const { return paints_; }
    unsigned long keepAlives() const { return keepAlives_; }

  private:
    LabelBinding& lakut_;
    QElapsedTimer clock_;
    qint64 lastPaint_ = 0;
    qint64 lastKeepAlive_ = 0;
    unsigned calls_ = 0;
    bool inside_ = false;
    unsigned long paints_ = 0;
    unsigned long keepAlives_ = 0;
};

}  // namespace lurnatik
