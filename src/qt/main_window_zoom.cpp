// How the window zooms: by its size, by the keys and by the wheel.
#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "qt/main_window.h"
#include "qt/qt_convert.h"
#include "qt/zoom.h"

namespace lurnatik {

void MainWindow::zoomTo(double zoom) {
    if (form_ == nullptr) {
        return;
    }
    if (dispatch_.busy()) {
        zoomWaiting_ = zoom;
        return;
    }
    zoomNow(zoom);
}

void MainWindow::zoomNow(double zoom) {
    zoom = std::clamp(zoom, kSmallestZoom, std::max(kSmallestZoom, largestZoomOnScreen()));
    applyZoom(zoom);
    resize(sizeAtZoom(design_, zoom));
    keepOnScreen();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (form_ == nullptr) {
        return;
    }
    // A long run is not slowed by laying the window out again for every size the
    // desktop reports meanwhile; the last size counts when the click has ended.
    if (dispatch_.busy()) {
        resizeWaiting_ = true;
        zoomWaiting_.reset();
        return;
    }
    applyZoom(zoomForSize());
}

// A window larger than the screen (sized by a program, or left from a larger
// screen) zooms no further than the keys would: as far as the screen shows.
double MainWindow::zoomForSize() const {
    return std::min(zoomToFit(size(), design_), std::max(kSmallestZoom, largestZoomOnScreen()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::Show) {
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::followScreen,
                Qt::UniqueConnection);
        windowHandle()->installEventFilter(this);
        placing_ = true;
        followScreen();
    }
    // The desktop's frame around the window is known once the window is first
    // exposed: only then can its title bar be kept on the screen.
    if (placing_ && watched == windowHandle() && event->type() == QEvent::Expose) {
        placing_ = false;
        keepOnScreen();
    }
    if (form_ != nullptr && event->type() == QEvent::KeyPress &&
        zoomByKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (form_ != nullptr && event->type() == QEvent::Wheel &&
        zoomByWheel(*static_cast<QWheelEvent*>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// After every handled event: the widgets show the model, then a zoom that came
// in while the handler ran takes effect.
void MainWindow::afterEvent() {
    syncFromModel();
    if (repainter_ != nullptr) {
        repainter_->eventEnded();
    }
    const double zoom = zoomToCome();
    const bool resized = resizeWaiting_ && !zoomWaiting_;
    resizeWaiting_ = false;
    zoomWaiting_.reset();
    if (resized) {
        applyZoom(zoom);
    } else if (zoom != zoom_) {
        zoomNow(zoom);
    }
}

// The zoom as it will be when the running handler has ended: the last key or
// size that came meanwhile decides.
double MainWindow::zoomToCome() const {
    if (zoomWaiting_) {
        return *zoomWaiting_;
    }
    return resizeWaiting_ ? zoomForSize() : zoom_;
}

void MainWindow::applyZoom(double zoom) {
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    setUpdatesEnabled(false);
    style_->setZoom(zoom);
    // Widgets keep the sizes the style gave them (a scroll bar's width) until
    // they learn that it changed.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->style() == style_.get()) {
            QEvent changed(QEvent::StyleChange);
            QApplication::sendEvent(child, &changed);
        }
    }
    setFont(toQFont(Font{}, 0, zoom));
    for (const auto& binding : bindings_) {
        binding->setZoom(zoom);
    }
    setUpdatesEnabled(true);
}

double MainWindow::largestZoomOnScreen() const {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return kLargestZoom;
    }
    const QSize decoration = frameGeometry().size() - size();
    return zoomToFit(shown->availableGeometry().size() - decoration, design_);
}

// The screen the window is on may change its size, or the window may move to
// another screen: it then zooms no further than that screen shows, and stays on it.
void MainWindow::followScreen() {
    QScreen* shown = screen();
    if (shown != followed_) {
        if (followed_ != nullptr) {
            disconnect(followed_, nullptr, this, nullptr);
        }
        followed_ = shown;
        if (shown != nullptr) {
            connect(shown, &QScreen::availableGeometryChanged, this, &MainWindow::fitScreen);
        }
    }
    fitScreen();
}

void MainWindow::fitScreen() {
    if (form_ == nullptr) {
        return;
    }
    if (zoomToCome() > largestZoomOnScreen()) {
        zoomTo(largestZoomOnScreen());
    } else if (!dispatch_.busy()) {
        keepOnScreen();
    }
}

// A window grown past the screen's edge is moved back onto it; one larger than
// the screen keeps its title bar and top left corner on it.
void MainWindow::keepOnScreen() {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return;
    }
    const QRect screenArea = shown->availableGeometry();
    const QRect frame = frameGeometry();
    const int left =
        std::max(screenArea.left(), std::min(frame.left(), screenArea.right() + 1 - frame.width()));
    const int top =
        std::max(screenArea.top(), std::min(frame.top(), screenArea.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top()) {
        move(left, top);
    }
}

bool MainWindow::zoomByKey(const QKeyEvent& event) {
    switch (zoomKey(event.key(), event.modifiers())) {
        case ZoomKey::In:
            zoomTo(zoomIn(zoomToCome()));
            return true;
        case ZoomKey::Out:
            zoomTo(zoomOut(zoomToCome()));
            return true;
        case ZoomKey::Reset:
            zoomTo(kSmallestZoom);
            return true;
        case ZoomKey::None:
            return false;
    }
    return false;
}

bool MainWindow::zoomByWheel(const QWheelEvent& event) {
    if (!event.modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    // One step of 25 % for every notch; fine-grained wheels add up to a notch.
    constexpr int kNotch = 120;
    wheelSteps_ += event.angleDelta().y();
    double zoom = zoomToCome();
    for (; wheelSteps_ >= kNotch; wheelSteps_ -= kNotch) {
        zoom = zoomIn(zoom);
    }
    for (; wheelSteps_ <= -kNotch; wheelSteps_ += kNotch) {
        zoom = zoomOut(zoom);
    }
    zoomTo(zoom);
    return true;
}

}  // namespace lurnatik
