#pragma once
// The program with its handlers on the scripted platform, drawn in a real window
// on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>

#include "qt/main_window.h"
#include "support/program_test.h"

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

// A border of `colour` along `side` of `r` (in pixels of `image`, one pixel of the
// window being `unit` of them), `corner` pixels clear of its ends: at every point
// a run of the colour begins within a pixel of the window of the edge, and is
// `thick` pixels long unless `thick` is 0.
inline void expectBorder(const QImage& image, const QRectF& r, Qt::Edge side, const QColor& colour,
                         qreal unit, int corner, const char* name, int thick = 0) {
    const bool upright = side == Qt::LeftEdge || side == Qt::RightEdge;
    const int inward = side == Qt::LeftEdge || side == Qt::TopEdge ? 1 : -1;
    const int edge = int(std::lround(side == Qt::LeftEdge    ? r.left()
                                     : side == Qt::RightEdge ? r.right() - unit
                                     : side == Qt::TopEdge   ? r.top()
                                                             : r.bottom() - unit));
    const int reach = int(std::ceil(unit));
    int points = 0, wrong = 0;
    const int end = int(upright ? r.bottom() : r.right()) - corner;
    for (int along = int(upright ? r.top() : r.left()) + corner; along < end; ++along, ++points) {
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
        wrong += length == 0 || (thick > 0 && length != thick) ? 1 : 0;
    }
    EXPECT_GT(points, 0) << name;
    EXPECT_EQ(wrong, 0) << name << " edge " << side;
}

// Where a cell of a grid is, in the grid's viewport.
inline QRect cellRect(const QTableView* view, int row, int col) {
    return view->visualRect(view->model()->index(row, col));
}

// Every row of a label's text is as wide as its box at most.
inline void expectRowsFit(const QLabel* label) {
    const QFontMetricsF metrics(label->font());
    for (const QString& row : label->text().split('\n')) {
        EXPECT_LE(metrics.horizontalAdvance(row), label->contentsRect().width())
            << label->objectName().toStdString() << ": " << row.toStdString();
    }
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
