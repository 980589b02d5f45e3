// The grids as drawn and clicked, and lakut repainted during a long run.
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <algorithm>

#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

class GridTest : public WindowTest {
  protected:
    QTableView* t1() const { return widget<QTableView>("tabelle1"); }
    QTableView* t2() const { return widget<QTableView>("tabelle2"); }

    // A point inside a cell clear of its text, its grid lines and the frame of the
    // current cell.
    static QPoint clear(QTableView* view, int row, int col) {
        return cellRect(view, row, col).topLeft() + QPoint(2, 5);
    }
    // The colour drawn at a point of the viewport.
    static QColor drawnAt(QTableView* view, QPoint at) {
        return QColor(view->viewport()->grab().toImage().pixel(at));
    }
};

// Both grids show all 37 rows level with each other, without scroll bars or
// headers, the cells centred at the top.
TEST_F(GridTest, LayoutOfBothGrids) {
    for (const auto& [view, widths] :  // columns of 450, 700, 600, 600 and 400 twips
         {std::pair{t1(), std::vector{30, 47, 40, 40}}, {t2(), {27}}}) {
        SCOPED_TRACE(view->objectName().toStdString());
        EXPECT_FALSE(view->verticalScrollBar()->isVisible());
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
        EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(view->horizontalHeader()->isVisible());
        EXPECT_FALSE(view->verticalHeader()->isVisible());
        ASSERT_EQ(view->model()->rowCount(), 37);
        for (std::size_t c = 0; c < widths.size(); ++c) {
            EXPECT_EQ(view->columnWidth(int(c)), widths[c]) << "column " << c;
        }
        for (const int r : {0, 36}) {  // rows of one height: the first and the last
            const QRect a = cellRect(view, r, 0);
            const QRect b = cellRect(t1(), r, 0);
            EXPECT_GE(a.top(), 0) << "row " << r;
            EXPECT_LT(a.bottom(), view->viewport()->height()) << "row " << r;
            EXPECT_EQ(view->viewport()->mapTo(window.get(), a.topLeft()).y(),
                      t1()->viewport()->mapTo(window.get(), b.topLeft()).y())
                << "row " << r;
            EXPECT_EQ(a.height(), b.height());
        }
    }
    EXPECT_EQ(t1()->model()->index(5, 2).data(Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignHCenter | Qt::AlignTop));
}

TEST_F(GridTest, ColoursAsDrawn) {
    EXPECT_EQ(drawnAt(t2(), clear(t2(), 10, 0)), QColor(192, 255, 192));
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 10, 0)), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 10, 1)), QApplication::palette().color(QPalette::Base));
    // The grid line under a cell of column 1.
    const QRect cell = cellRect(t1(), 10, 1);
    EXPECT_EQ(drawnAt(t1(), QPoint(cell.center().x() + 15, cell.bottom())), QColor(192, 192, 192));
    // A marked number.
    clickRow(7);
    window->syncFromModel();
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 7, 0)), QColor(192, 255, 192));
}

// A click, also a double-click or a drag, is one click of its own grid, with
// RowSel the row under the pointer where the button went up.
TEST_F(GridTest, EachClickReachesItsGridWithTheRowReleasedOn) {
    std::vector<int> clicks;
    form.tabelle1.onClick = [&] { clicks.push_back(form.tabelle1.rowSel); };
    form.tabelle2.onClick = [&] { clicks.push_back(100 + form.tabelle2.rowSel); };
    const QRect last = cellRect(t1(), 36, 3);
    for (const QPoint at :
         {cellRect(t1(), 0, 0).center(), cellRect(t1(), 36, 3).center(),
          cellRect(t1(), 20, 2).center(), QPoint(last.center().x(), last.bottom() + 2)}) {
        QTest::mouseClick(t1()->viewport(), Qt::LeftButton, {}, at);
    }
    doubleClick(t1()->viewport(), cellRect(t1(), 4, 0).center());
    QTest::mousePress(t1()->viewport(), Qt::LeftButton, {}, cellRect(t1(), 3, 1).center());
    QTest::mouseMove(t1()->viewport(), cellRect(t1(), 5, 1).center());
    QTest::mouseRelease(t1()->viewport(), Qt::LeftButton, {}, cellRect(t1(), 7, 1).center());
    QTest::mouseClick(t2()->viewport(), Qt::LeftButton, {}, cellRect(t2(), 9, 0).center());
    EXPECT_EQ(clicks, (std::vector<int>{0, 36, 20, 36, 4, 7, 109}));
}

TEST_F(GridTest, RedrawsOnlyWhenTheGridChanged) {
    QSignalSpy changes(t1()->model(), &QAbstractItemModel::dataChanged);
    window->syncFromModel();
    window->syncFromModel();
    EXPECT_EQ(changes.count(), 0);
    form.tabelle1.setRow(12);
    form.tabelle1.setCol(2);
    form.tabelle1.setText("4");
    window->syncFromModel();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(t1()->model()->index(12, 2).data().toString(), "4");
    EXPECT_EQ(t1()->currentIndex(), t1()->model()->index(12, 2));
}

// What a label or a button shows each time it paints, and at which throw.
struct PaintLog : QObject {
    PaintLog(const Form1& form, std::initializer_list<QWidget*> widgets) : form(form) {
        for (QWidget* w : widgets) {
            w->installEventFilter(this);
        }
    }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString text = object->property("text").toString();
            shown.push_back((object->objectName() + ": " + text).toStdString());
            throws.push_back(form.state.wurfnr);
        }
        return false;
    }
    // The throw at which `text` was first painted, or -1.
    double firstAt(const std::string& text) const {
        const auto at = std::find(shown.begin(), shown.end(), text);
        return at == shown.end() ? -1 : throws[std::size_t(at - shown.begin())];
    }
    const Form1& form;
    std::vector<std::string> shown;
    std::vector<double> throws;
};

using LakutRepaintTest = WindowTest;

// A click runs throws that each take a fixed time on a clock of the test's own and
// ask for a repaint; the first shows the whole window (a caption the click set), later
// ones paint lakut alone (never lzahl) at most once a frame, checking the clock
// every 64 requests, and let the window's own events through every 50 ms.
TEST_F(LakutRepaintTest, RepaintsAreCoalescedToFrames) {
    const struct {
        const char* name;
        qint64 nsPerThrow;
        long throws;
        std::vector<long> shown;
        unsigned long keepAlives;
    } rows[] = {{"a frame per check", 250'000, 513, {1, 65, 129, 193, 257, 321, 385, 449, 513}, 2},
                {"every other check", 220'000, 513, {1, 129, 257, 385, 513}, 2},
                {"slow throws", 1'000'000, 193, {1, 65, 129, 193}, 3}};
    LakutRepainter* repainter = window->lakutRepainter();
    ASSERT_NE(repainter, nullptr);
    qint64 now = 0;  // nanoseconds on the test's clock
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        now = 0;
        repainter->setClock([&now] { return now; });
        const unsigned long paints = repainter->paints();
        const unsigned long keepAlives = repainter->keepAlives();
        PaintLog log(form, {widget("lakut")});
        form.okinfo.onClick = [&] {
            form.okstart.caption = row.name;
            for (long throwNumber = 1; throwNumber <= row.throws; ++throwNumber) {
                now += row.nsPerThrow;
                form.lakut.caption = std::to_string(throwNumber);
                form.lakut.repaint();
                form.lzahl.caption = "17";
            }
            EXPECT_EQ(widget<QPushButton>("okstart")->text().toStdString(), row.name);
            EXPECT_EQ(widget<QLabel>("lzahl")->text().toStdString(), "");
        };
        QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
        std::vector<std::string> expected;
        for (const long throwNumber : row.shown) {
            expected.push_back("lakut: " + std::to_string(throwNumber));
        }
        EXPECT_EQ(log.shown, expected);
        EXPECT_EQ(repainter->paints() - paints, row.shown.size());
        EXPECT_EQ(repainter->keepAlives() - keepAlives, row.keepAlives);
        form.lzahl.caption = "";
    }
}

// The first paint of a long run, by the real handlers, shows its set-up.
TEST_F(LakutRepaintTest, ALongRunShowsItsSetUpBeforeItThrowsOn) {
    QTest::keyClicks(widget("textanzahl"), "20000");
    QTest::mouseClick(widget("Option1(1)"), Qt::LeftButton);
    PaintLog log(form, {widget("okstart"), widget("text"), widget("lakut")});
    QTest::mouseClick(widget("okstart"), Qt::LeftButton);
    EXPECT_EQ(log.firstAt("okstart: Weiter"), 1);
    EXPECT_EQ(log.firstAt("text: " + testing::kRandomText), 1);
    EXPECT_EQ(log.firstAt("lakut: 1"), 1);
    EXPECT_EQ(widget<QLabel>("lakut")->text(), "20000");
}

}  // namespace
}  // namespace lurnatik::qt_test
