#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "window/marks.h"
#include "window/qt/qt_convert.h"
#include "window/qt/zoom.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

const QSize kDesign(638, 477);

class ZoomTest : public WindowTest {
  protected:
    // Each edge of a widget within a pixel of its design edge times the zoom.
    void expectAtZoom(const QRect& shown, double left, double top, double right, double bottom,
                      double zoom) const {
        EXPECT_NEAR(shown.left(), left * zoom / 15, 1.0);
        EXPECT_NEAR(shown.top(), top * zoom / 15, 1.0);
        EXPECT_NEAR(shown.left() + shown.width(), right * zoom / 15, 1.0);
        EXPECT_NEAR(shown.top() + shown.height(), bottom * zoom / 15, 1.0);
    }
    void expectControlAtZoom(const std::string& name, double zoom) const {
        SCOPED_TRACE(name);
        const Twips& g = form.find(name)->geometry;
        expectAtZoom(widget(name)->geometry(), g.left, g.top, g.left + g.width, g.top + g.height,
                     zoom);
    }
    // The border of a shape or the line, in the same dark blue, as thick as the
    // zoom all along.
    void expectBorder(const QImage& image, const char* name, Qt::Edge side, double zoom) const {
        const auto zoomed = int(std::lround(zoom));
        const auto thickness = borderThickness(image, inShot(widget(name)), side,
                                               toQColor(form.Shape1.borderColour), 1, zoomed + 1);
        EXPECT_FALSE(thickness.empty());
        EXPECT_EQ(std::count(thickness.begin(), thickness.end(), zoomed), thickness.size())
            << name << " edge " << side;
    }
};

TEST_F(ZoomTest, EveryControlGridRowAndBorderScalesWithTheZoomAndClicksHitTheirRow) {
    QTableView* t1 = widget<QTableView>("tabelle1");
    QTableView* t2 = widget<QTableView>("tabelle2");
    QWidget* port = t1->viewport();
    for (auto [zoom, markedRow] : {std::pair{1.0, 0}, {1.5, 3}, {2.0, 17}, {3.0, 36}, {2.5, 30}}) {
        SCOPED_TRACE(zoom);
        window->zoomTo(zoom);
        QApplication::processEvents();
        ASSERT_EQ(window->zoom(), zoom);
        EXPECT_NEAR(window->width(), 638 * zoom, 1.0);
        EXPECT_NEAR(window->height(), 477 * zoom, 1.0);
        for (const char* name : {"okstart", "textanzahl", "lakut", "Label11", "tabelle1",
                                 "tabelle2", "infotext", "Frame1", "File1", "Shape1", "Shape2"}) {
            expectControlAtZoom(name, zoom);
        }
        EXPECT_DOUBLE_EQ(widget("textanzahl")->font().pointSizeF(), 12 * zoom);
        EXPECT_DOUBLE_EQ(widget("okstart")->font().pointSizeF(), 9.75 * zoom);
        EXPECT_GE(QFontInfo(t1->font()).pixelSize(), std::floor(7 * zoom));
        auto* text = widget<QLabel>("text");
        for (const QString& line : text->text().split('\n')) {
            EXPECT_LE(QFontMetrics(text->font()).horizontalAdvance(line),
                      text->contentsRect().width())
                << line.toStdString();
        }
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(widget("okstart"));
        ASSERT_NE(a11y, nullptr);
        EXPECT_EQ(a11y->rect().size(), widget("okstart")->size());

        // Column 1 of row 20: 47 pixels wide after 30 and 11 high under a frame of
        // one at 100 %; the same row of tabelle2 level with it.
        const QRect row = t1->visualRect(t1->model()->index(20, 1))
                              .translated(t1->viewport()->mapTo(window.get(), QPoint()));
        expectAtZoom(row, (28 + 30) * 15, (22 + 11 * 20) * 15, (28 + 77) * 15, (22 + 11 * 21) * 15,
                     zoom);
        EXPECT_EQ(t2->viewport()
                      ->mapTo(window.get(), t2->visualRect(t2->model()->index(20, 0)).topLeft())
                      .y(),
                  row.top());

        const QImage shown = window->grab().toImage();
        for (const char* shape : {"Shape1", "Shape2"}) {
            for (Qt::Edge side : {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge}) {
                expectBorder(shown, shape, side, zoom);
            }
        }
        expectBorder(shown, "Line1", Qt::TopEdge, zoom);

        // The row under the pointer is the row that a click marks.
        const QPointF design(27 + 40, 22 + 11 * markedRow + 5.5);
        QTest::mouseClick(port, Qt::LeftButton, {},
                          port->mapFrom(window.get(), (design * zoom).toPoint()));
        EXPECT_EQ(form.tabelle1.cell(markedRow, 0).background, kMarkingColour);
    }
}

// The largest factor that fits the client area; the rest shows the background.
TEST_F(ZoomTest, ResizingZoomsToTheLargestFactorThatFits) {
    for (const auto& [size, zoom] : {std::pair{QSize(1276, 954), 2.0},
                                     {QSize(1276, 1300), 2.0},
                                     {QSize(1100, 954), 1100.0 / 638},
                                     {QSize(1, 1), 1.0},
                                     {QSize(9000, 9000), 4.0},
                                     {QSize(800, 2000), 800.0 / 638}}) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        QApplication::processEvents();
        EXPECT_GE(window->width(), kDesign.width());
        EXPECT_GE(window->height(), kDesign.height());
        EXPECT_DOUBLE_EQ(window->zoom(), zoom);
        expectControlAtZoom("tabelle1", zoom);
        expectControlAtZoom("okende", zoom);
        const QImage shown = window->grab().toImage();
        const QPoint corner(window->width() - 1, window->height() - 1);
        EXPECT_EQ(shown.pixelColor(corner), toQColor(form.background));
    }
}

// The keys on the focused control and the wheel anywhere, also many in a row.
TEST_F(ZoomTest, KeysAndWheelZoomInSteps) {
    using Key = std::tuple<Qt::Key, Qt::KeyboardModifiers, double>;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const auto keypad = ctrl | Qt::KeypadModifier;
    const auto shifted = ctrl | Qt::ShiftModifier;
    auto* edit = widget<QLineEdit>("textanzahl");
    const Key keys[] = {
        {Qt::Key_Plus, ctrl, 1.25},    {Qt::Key_Plus, shifted, 1.5}, {Qt::Key_Plus, keypad, 1.75},
        {Qt::Key_Equal, ctrl, 2.0},    {Qt::Key_Minus, ctrl, 1.75},  {Qt::Key_Minus, keypad, 1.5},
        {Qt::Key_Equal, shifted, 1.5}, {Qt::Key_0, ctrl, 1.0},       {Qt::Key_Minus, ctrl, 1.0},
        {Qt::Key_Plus, keypad, 1.25},  {Qt::Key_0, keypad, 1.0}};
    for (const auto& [key, modifiers, zoom] : keys) {
        QTest::keyClick(edit, key, modifiers);
        EXPECT_EQ(window->zoom(), zoom) << QKeySequence(key | modifiers).toString().toStdString();
        EXPECT_EQ(window->size(), sizeAtZoom(kDesign, zoom));
    }
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(edit, Qt::Key_Plus, ctrl);
    }
    EXPECT_EQ(window->zoom(), 4.0);
    expectControlAtZoom("lakut", 4.0);
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(form.textanzahl.text(), "");

    window->zoomTo(1.0);
    QWidget* port = widget<QTableView>("tabelle1")->viewport();
    using Wheel = std::tuple<int, Qt::KeyboardModifiers, double>;
    const Wheel wheels[] = {{120, ctrl, 1.25},
                            {60, ctrl, 1.25},
                            {60, ctrl, 1.5},
                            {-360, ctrl, 1.0},
                            {120, Qt::NoModifier, 1.0}};
    for (const auto& [delta, modifiers, zoom] : wheels) {
        QWheelEvent wheel(QPointF(20, 20), port->mapToGlobal(QPointF(20, 20)), {}, {0, delta},
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &wheel);
        EXPECT_EQ(window->zoom(), zoom) << delta;
    }
}

// Sizes and keys that come while a click is handled wait until it has ended.
TEST_F(ZoomTest, AZoomDuringAClickTakesEffectWhenItEnds) {
    const QRect before = widget("tabelle1")->geometry();
    std::vector<QRect> inside;
    form.okinfo.onClick = [&] {
        window->resize(sizeAtZoom(kDesign, 2.0));
        QApplication::processEvents();
        QTest::keyClick(widget("textanzahl"), Qt::Key_Plus, Qt::ControlModifier);
        inside.push_back(widget("tabelle1")->geometry());
    };
    QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
    EXPECT_EQ(inside, std::vector<QRect>{before});
    EXPECT_EQ(window->zoom(), 2.25);
    expectControlAtZoom("tabelle1", 2.25);
}

TEST(ZoomSteps, StepsFromAnyFactorStayInRange) {
    for (const auto& [from, in, out] : {std::array{1.0, 1.25, 1.0},
                                        {1.37, 1.5, 1.25},
                                        {2.0, 2.25, 1.75},
                                        {3.9, 4.0, 3.75},
                                        {4.0, 4.0, 3.75}}) {
        EXPECT_EQ(zoomIn(from), in) << from;
        EXPECT_EQ(zoomOut(from), out) << from;
    }
    // A window sized for a step zooms to that step again.
    for (double zoom = 1.0; zoom <= 4.0; zoom += 0.25) {
        EXPECT_EQ(zoomToFit(sizeAtZoom(kDesign, zoom), kDesign), zoom);
    }
}

}  // namespace
}  // namespace lurnatik::qt_test
