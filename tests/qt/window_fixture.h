#pragma once
// The program with its handlers on the scripted platform, drawn in a real window
// on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "support/program_test.h"
#include "window/qt/main_window.h"

namespace lurnatik::qt_test {

// A double-click as the window system delivers it: press, release, a second
// press that is also a double-click, release.
inline void doubleClick(QWidget* w, QPoint at) {
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &twice);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

// How thick the border of `colour` along `side` of `r` (in pixels of `image`, one
// pixel of the window being `unit` of them) is drawn at each point along it,
// `corner` pixels clear of its ends: the length of the run of the colour that
// begins within a pixel of the window of the edge, or 0.
inline std::vector<int> borderThickness(const QImage& image, const QRectF& r, Qt::Edge side,
                                        const QColor& colour, qreal unit, int corner) {
    const bool upright = side == Qt::LeftEdge || side == Qt::RightEdge;
    const int inward = side == Qt::LeftEdge || side == Qt::TopEdge ? 1 : -1;
    const int edge = int(std::lround(side == Qt::LeftEdge    ? r.left()
                                     : side == Qt::RightEdge ? r.right() - unit
                                     : side == Qt::TopEdge   ? r.top()
                                                             : r.bottom() - unit));
    const int reach = int(std::ceil(unit));
    std::vector<int> thickness;
    const int end = int(upright ? r.bottom() : r.right()) - corner;
    for (int along = int(upright ? r.top() : r.left()) + corner; along < end; ++along) {
        int length = 0;
        for (int step = -reach; step < 16 && (length > 0 || step <= reach); ++step) {
            const int across = edge + step * inward;
            const QPoint p = upright ? QPoint(across, along) : QPoint(along, across);
            const bool drawn = image.valid(p) && image.pixelColor(p) == colour;
            if (!drawn && length > 0) {
                break;
            }
            length += drawn ? 1 : 0;
        }
        thickness.push_back(length);
    }
    return thickness;
}

class WindowTest : public testing::ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        window = std::make_unique<MainWindow>();
        window->bind(form);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // The widget of a control, by the control's name.
    template <class W = QWidget>
    W* widget(const std::string& name) const {
        auto* w = window->findChild<W*>(QString::fromStdString(name));
        EXPECT_NE(w, nullptr) << "no widget " << name;
        return w;
    }

    // A widget's place in a picture of the window, in device pixels.
    QRectF inShot(const QWidget* w) const {
        const qreal dpr = window->devicePixelRatioF();
        return {QPointF(w->mapTo(window.get(), QPoint(0, 0))) * dpr, QSizeF(w->size()) * dpr};
    }

    std::unique_ptr<MainWindow> window;
};

}  // namespace lurnatik::qt_test
