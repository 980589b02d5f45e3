#include "window/qt/lakut_repainter.h"

#include <QCoreApplication>

namespace lurnatik {

LakutRepainter::LakutRepainter(LabelBinding& lakut) : lakut_(lakut) {
    clock_.start();
}

void LakutRepainter::request() {
    // A request from inside the events let through below waits for the next one.
    if (inside_ || ++calls_ < kCheckEvery) {
        return;
    }
    calls_ = 0;
    const qint64 now = clock_.nsecsElapsed();
    if (now - lastPaint_ < kFrameNs) {
        return;
    }
    inside_ = true;
    lastPaint_ = now;
    lakut_.syncCaption();
    lakut_.label()->repaint();
    ++paints_;
    if (now - lastKeepAlive_ >= kKeepAliveNs) {
        lastKeepAlive_ = now;
        ++keepAlives_;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    inside_ = false;
}

}  // namespace lurnatik
