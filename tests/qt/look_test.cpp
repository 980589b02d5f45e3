// How the window looks on the desktops people use: at every scale factor (the
// ScaleTest cases run once more per factor, see CMakeLists.txt), under a light and
// a dark colour scheme, with counts of any length.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "window/marks.h"
#include "window/qt/caption_fit.h"
#include "window/qt/control_bindings.h"
#include "window/qt/qt_convert.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

const QColor kDarkBlue(0, 0, 192);
const std::string kDigits15 = "123456789012345";
const char* const kCounters[] = {"lakut",   "lrot",      "lschwarz", "lklein",  "lgross",
                                 "lgerade", "lungerade", "Label11",  "Label13", "Label14"};

bool isButton(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) != nullptr;
}

// Where a label or a button shows its text.
QRect textArea(QWidget* w) {
    if (!isButton(w)) {
        return static_cast<QLabel*>(w)->contentsRect();
    }
    QStyleOptionButton option;
    option.initFrom(w);
    const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
    return w->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, w);
}

// The window as the screen shows it, in device pixels.
class LookTest : public WindowTest {
  protected:
    qreal dpr() const { return window->devicePixelRatioF(); }
    QImage shot() const { return window->grab().toImage(); }
    // A border drawn at every point along an edge of a rectangle of the picture.
    void expectWhole(const QImage& image, const QRectF& r, Qt::Edge side, const QColor& colour,
                     const char* name) const {
        const auto thickness =
            borderThickness(image, r, side, colour, dpr(), int(std::ceil(2 * dpr())));
        EXPECT_FALSE(thickness.empty());
        EXPECT_EQ(std::count(thickness.begin(), thickness.end(), 0), 0) << name << " edge " << side;
    }

    // Every row of a label's text fits its box, and nothing was cut.
    static void expectFits(const QLabel* label) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_FALSE(label->text().contains(QChar(0x2026)));
        const QFontMetricsF metrics(label->font());
        for (const QString& row : label->text().split('\n')) {
            EXPECT_LE(metrics.horizontalAdvance(row), label->contentsRect().width())
                << row.toStdString();
        }
        EXPECT_LE(label->text().count('\n') * metrics.lineSpacing() + metrics.height(),
                  label->contentsRect().height() + 0.5);
    }
};

using ScaleTest = LookTest;

TEST_F(ScaleTest, FramesLinesAndLabelBordersAreDrawnWhole) {
    const QImage image = shot();
    const QColor shadow = toQColor(kBorderShadow);
    const QColor light = toQColor(kBorderLight);
    const auto sides = {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge};
    expectWhole(image, inShot(widget("Line1")), Qt::TopEdge, kDarkBlue, "Line1");
    for (const char* shape : {"Shape1", "Shape2"}) {
        for (Qt::Edge side : sides) {
            expectWhole(image, inShot(widget(shape)), side, kDarkBlue, shape);
        }
    }
    for (const char* label :
         {"lakut", "lrot", "lungerade", "Label11", "Label14", "text", "Lrotat", "lzahl"}) {
        for (Qt::Edge side : sides) {
            const bool lit = side == Qt::RightEdge || side == Qt::BottomEdge;
            expectWhole(image, inShot(widget(label)), side, lit ? light : shadow, label);
        }
    }
    // The import panel, over the right column; its frame begins at the middle of
    // its caption.
    form.Frame1.visible = true;
    window->syncFromModel();
    QRectF panel = inShot(widget("Frame1"));
    panel.setTop(panel.top() + widget("Frame1")->fontMetrics().height() / 2 * dpr());
    for (Qt::Edge side : {Qt::LeftEdge, Qt::RightEdge, Qt::BottomEdge}) {
        expectWhole(shot(), panel, side, shadow, "Frame1");
    }
}

// Captions of the design, 15-digit counts and a 10-digit count in a cell of
// tabelle1 are never cut.
TEST_F(ScaleTest, CaptionsAndBigCountsFit) {
    for (const char* name : kCounters) {
        form.find(name)->caption = kDigits15;
    }
    for (int col = 1; col < 4; ++col) {
        form.tabelle1.setRow(20);
        form.tabelle1.setCol(col);
        form.tabelle1.setText("1234567890");
    }
    form.tabelle1.setRow(0);  // the frame of the current cell elsewhere
    window->syncFromModel();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        expectFits(label);
    }
    for (const char* name : kCounters) {
        EXPECT_EQ(widget<QLabel>(name)->text().toStdString(), kDigits15) << name;
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), textArea(button).width())
            << button->objectName().toStdString();
    }
    // The digits' ink stays clear of both sides of each cell.
    auto* t1 = widget<QTableView>("tabelle1");
    const QImage cells = t1->viewport()->grab().toImage();
    for (int col = 1; col < 4; ++col) {
        const QRect cell = t1->visualRect(t1->model()->index(20, col));
        const int left = int(std::ceil(cell.left() * dpr()));
        const int right = int(std::floor(cell.right() * dpr())) - 1;
        int first = -1, last = -1;
        for (int x = left; x < right; ++x) {
            for (int y = int(cell.top() * dpr()) + 1; y < int(cell.bottom() * dpr()) - 1; ++y) {
                if (qGray(cells.pixel(x, y)) < 128) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
        }
        EXPECT_GT(first, left + 1) << "column " << col;
        EXPECT_LT(last, right - 1) << "column " << col;
    }
}

// The contrast ratio of two colours by their relative luminance.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The contrast of the text in a drawn area: its most common colour is the
// background, the colour that stands out most from it the text's.
double drawnContrast(const QImage& area) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            ++counts[area.pixel(x, y)];
        }
    }
    const auto background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    double most = 1;
    for (const auto& [colour, count] : counts) {
        most = std::max(most, contrast(QColor(background), QColor(colour)));
    }
    return most;
}

// Every control that shows text, in a window opened under the light scheme of the
// style and in one opened under a dark scheme.
TEST_F(LookTest, EveryTextStandsOutFromItsBackgroundInLightAndDarkSchemes) {
    for (const char* name : kCounters) {
        form.find(name)->caption = "12345";
    }
    form.Lrotat.caption = "3";
    form.lzahl.caption = "17";
    QTest::keyClicks(widget("textanzahl"), "250");
    form.Option1.select(2);
    form.haltbei.setText("20");
    clickRow(7);
    form.tabelle1.setCol(1);
    form.tabelle1.setText("9");
    form.tabelle2.setRow(7);
    form.tabelle2.setText("30");
    form.tabelle1.setRow(0);
    form.tabelle2.setRow(0);
    const QPalette light = QApplication::style()->standardPalette();
    // A dark scheme as Qt derives it from its button and window colours.
    const QPalette dark(QColor("#424245"), QColor("#222020"));
    for (const QPalette& scheme : {light, dark}) {
        window.reset();
        QApplication::setPalette(scheme);
        window = std::make_unique<MainWindow>();
        window->bind(form);
        window->show();
        std::vector<std::pair<std::string, QImage>> areas;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* edit = qobject_cast<QLineEdit*>(w);
            if (!w->isVisible() || !w->isEnabled() || (label && label->text().isEmpty()) ||
                (edit && edit->text().isEmpty()) || (!label && !edit && !isButton(w))) {
                continue;
            }
            const QRect area = edit ? w->rect().adjusted(3, 3, -3, -3) : textArea(w);
            areas.emplace_back(w->objectName().toStdString(), w->grab(area).toImage());
        }
        for (const auto& [grid, row, col] : {std::tuple{"tabelle1", 7, 0},
                                             {"tabelle1", 8, 0},
                                             {"tabelle1", 7, 1},
                                             {"tabelle2", 7, 0}}) {
            auto* view = widget<QTableView>(grid);
            const QRect cell = view->visualRect(view->model()->index(row, col));
            areas.emplace_back(grid + std::to_string(row) + std::to_string(col),
                               view->viewport()->grab(cell.adjusted(0, 0, -1, -1)).toImage());
        }
        EXPECT_GT(areas.size(), 40u);
        for (const auto& [name, image] : areas) {
            EXPECT_GE(drawnContrast(image), 4.5) << name << (scheme == light ? " light" : " dark");
        }
    }
    QApplication::setPalette(light);
}

// A 10 MB status text and a count of 300 digits: drawn at the smallest size, cut
// with an ellipsis, without reading more of them than the label can show.
TEST_F(LookTest, CaptionsOfAnyLengthAreCutAtTheSmallestSize) {
    form.text.caption = "Spielbank " + std::string(10'000'000, 'x') + testing::kEnd;
    form.lakut.caption = std::string(300, '9');
    window->syncFromModel();
    for (const char* name : {"text", "lakut"}) {
        auto* label = widget<QLabel>(name);
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << name;
        EXPECT_EQ(QFontInfo(label->font()).pixelSize(), kMinimumFontPixels) << name;
        EXPECT_LT(label->text().size(), 20'000) << name;
        for (const QString& row : label->text().split('\n')) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(row), label->contentsRect().width());
        }
    }
}

// Qt hands a header cell over to the caller; the cache takes it and lets it go.
QString nameOfHeader(QAccessibleInterface* header) {
    const QString name = header->text(QAccessible::Name);
    QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    return name;
}

TEST_F(LookTest, ScreenReadersHearEachCellByItsNumberAndColumn) {
    clickRow(7);
    form.tabelle1.setRow(0);
    form.tabelle1.setCol(1);
    form.tabelle1.setText("5");
    window->syncFromModel();
    const struct {
        const char* grid;
        int row, col;
        const char* name;
    } cells[] = {{"tabelle1", 0, 0, "Zahl 0"},
                 {"tabelle1", 7, 0, "Zahl 7, markiert"},
                 {"tabelle1", 0, 1, "Zahl 0, Anzahl: 5"},
                 {"tabelle1", 36, 3, "Zahl 36, 3fach: leer"},
                 {"tabelle2", 7, 0, "Zahl 7, Erstes Erscheinen: wartet"},
                 {"tabelle2", 8, 0, "Zahl 8, Erstes Erscheinen: leer"}};
    for (const auto& c : cells) {
        auto* table = QAccessible::queryAccessibleInterface(widget(c.grid))->tableInterface();
        ASSERT_NE(table, nullptr);
        QAccessibleInterface* cell = table->cellAt(c.row, c.col);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), c.name);
        EXPECT_EQ(nameOfHeader(cell->tableCellInterface()->rowHeaderCells().value(0)),
                  QString::number(c.row));
    }
    auto* t1 = QAccessible::queryAccessibleInterface(widget("tabelle1"))->tableInterface();
    EXPECT_EQ(nameOfHeader(t1->cellAt(3, 2)->tableCellInterface()->columnHeaderCells().value(0)),
              "2fach");
}

TEST_F(LookTest, ReturnAndEnterPressButtonsAndTheKeysMarkNumbers) {
    int clicks = 0;
    form.okcopy.onClick = [&] { ++clicks; };
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(widget("okcopy"), key);
    }
    EXPECT_EQ(clicks, 3);
    QTest::keyClick(widget("Option1(1)"), Qt::Key_Return);
    EXPECT_EQ(form.Option1.selected(), 1);

    form.tabelle1.setRow(5);
    window->syncFromModel();
    QWidget* t1 = widget("tabelle1");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return,
                        Qt::Key_Enter, Qt::Key_Down}) {
        QTest::keyClick(t1, key);
    }
    for (int r = 0; r < 37; ++r) {
        EXPECT_EQ(form.tabelle1.cell(r, 0).background == kMarkingColour, r == 6) << "row " << r;
    }
    EXPECT_EQ(t2(6), " ");
}

}  // namespace
}  // namespace lurnatik::qt_test
