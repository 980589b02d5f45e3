#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>

#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

class GridTest : public WindowTest {
  protected:
    QTableView* t1() const { return widget<QTableView>("tabelle1"); }
    QTableView* t2() const { return widget<QTableView>("tabelle2"); }

    // Centre of a cell, in the view's viewport.
    static QPoint centre(QTableView* view, int row, int col) {
        return view->visualRect(view->model()->index(row, col)).center();
    }
    // A point inside a cell clear of its text, its grid lines and the frame of the
    // current cell.
    static QPoint clear(QTableView* view, int row, int col) {
        return view->visualRect(view->model()->index(row, col)).topLeft() + QPoint(2, 5);
    }
    // The colour drawn at a point of the viewport.
    static QColor drawnAt(QTableView* view, QPoint at) {
        return QColor(view->viewport()->grab().toImage().pixel(at));
    }
};

// Both grids show all 37 rows level with each other, without scroll bars or
// headers, the numbers in column 0 and the cells empty, centred at the top.
TEST_F(GridTest, LayoutOfBothGrids) {
    const struct {
        QTableView* view;
        std::vector<int> widths;  // 450, 700, 600, 600 and 400 twips
    } grids[] = {{t1(), {30, 47, 40, 40}}, {t2(), {27}}};
    for (const auto& grid : grids) {
        QTableView* view = grid.view;
        SCOPED_TRACE(view->objectName().toStdString());
        EXPECT_FALSE(view->verticalScrollBar()->isVisible());
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
        EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(view->horizontalHeader()->isVisible());
        EXPECT_FALSE(view->verticalHeader()->isVisible());
        ASSERT_EQ(view->model()->rowCount(), 37);
        for (std::size_t c = 0; c < grid.widths.size(); ++c) {
            EXPECT_EQ(view->columnWidth(int(c)), grid.widths[c]) << "column " << c;
        }
        for (const int r : {0, 36}) {  // rows of one height: the first and the last
            const QRect a = view->visualRect(view->model()->index(r, 0));
            const QRect b = t1()->visualRect(t1()->model()->index(r, 0));
            EXPECT_GE(a.top(), 0) << "row " << r;
            EXPECT_LT(a.bottom(), view->viewport()->height()) << "row " << r;
            EXPECT_EQ(view->viewport()->mapTo(window.get(), a.topLeft()).y(),
                      t1()->viewport()->mapTo(window.get(), b.topLeft()).y())
                << "row " << r;
            EXPECT_EQ(a.height(), b.height());
        }
    }
    for (int r = 0; r < 37; ++r) {
        EXPECT_EQ(t1()->model()->index(r, 0).data().toString(), QString::number(r));
        EXPECT_EQ(t1()->model()->index(r, 1).data().toString(), QString());
    }
    EXPECT_EQ(t1()->model()->index(5, 2).data(Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignHCenter | Qt::AlignTop));
}

TEST_F(GridTest, ColoursAsDrawn) {
    EXPECT_EQ(drawnAt(t2(), clear(t2(), 10, 0)), QColor(192, 255, 192));
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 10, 0)), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 10, 1)), QApplication::palette().color(QPalette::Base));
    // The grid line under a cell of column 1.
    const QRect cell = t1()->visualRect(t1()->model()->index(10, 1));
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
    const QRect last = t1()->visualRect(t1()->model()->index(36, 3));
    for (const QPoint at : {centre(t1(), 0, 0), centre(t1(), 36, 3), centre(t1(), 20, 2),
                            QPoint(last.center().x(), last.bottom() + 2)}) {
        QTest::mouseClick(t1()->viewport(), Qt::LeftButton, {}, at);
    }
    doubleClick(t1()->viewport(), centre(t1(), 4, 0));
    QTest::mousePress(t1()->viewport(), Qt::LeftButton, {}, centre(t1(), 3, 1));
    QTest::mouseMove(t1()->viewport(), centre(t1(), 5, 1));
    QTest::mouseRelease(t1()->viewport(), Qt::LeftButton, {}, centre(t1(), 7, 1));
    QTest::mouseClick(t2()->viewport(), Qt::LeftButton, {}, centre(t2(), 9, 0));
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

}  // namespace
}  // namespace lurnatik::qt_test
