#include "qt/zoom.h"

#include <algorithm>
#include <cmath>

namespace lurnatik {
namespace {

// A factor within this of a step counts as the step, so that a window sized for
// a step zooms to that step again.
constexpr double kSameZoom = 1e-3;

double clampZoom(double zoom) {
    return std::clamp(zoom, kSmallestZoom, kLargestZoom);
}

}  // namespace

double zoomIn(double zoom) {
    return clampZoom((std::floor(zoom / kZoomStep + kSameZoom) + 1) * kZoomStep);
}

double zoomOut(double zoom) {
    return clampZoom((std::ceil(zoom / kZoomStep - kSameZoom) - 1) * kZoomStep);
}

double zoomToFit(QSize area, QSize design) {
    if (design.isEmpty()) {
        return kSmallestZoom;
    }
    const double fit = std::min(static_cast<double>(area.width()) / design.width(),
                                static_cast<double>(area.height()) / design.height());
    const double nearestStep = std::round(fit / kZoomStep) * kZoomStep;
    return clampZoom(std::abs(fit - nearestStep) < kSameZoom ? nearestStep : fit);
}

QSize sizeAtZoom(QSize design, double zoom) {
    return QSize(static_cast<int>(std::ceil(design.width() * zoom - kSameZoom)),
                 static_cast<int>(std::ceil(design.height() * zoom - kSameZoom)));
}

ZoomKey zoomKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers chord =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (chord != Qt::ControlModifier) {
        return ZoomKey::None;
    }
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    switch (key) {
        case Qt::Key_Plus:
            return ZoomKey::In;
        case Qt::Key_Equal:
            // Shift and 0 give Equal on a German keyboard.
            return shift ? ZoomKey::None : ZoomKey::In;
        case Qt::Key_Minus:
            return ZoomKey::Out;
        case Qt::Key_0:
            return shift ? ZoomKey::None : ZoomKey::Reset;
        default:
            return ZoomKey::None;
    }
}

}  // namespace lurnatik
