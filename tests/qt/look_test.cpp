// How the window looks on the desktops people use: at every scale factor (the
// ScaleTest cases run once more per factor, see CMakeLists.txt), under a light and
// a dark colour scheme, with counts of any length, and zoomed to any factor.
#include <QAbstractButton>
#include <QAccessible>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "qt/caption_fit.h"
#include "qt/control_bindings.h"
#include "qt/qt_convert.h"
#include "qt/zoom.h"
#include "window/marks.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

const QColor kDarkBlue(0, 0, 192);
const QSize kDesign(638, 477);
const std::string kDigits15 = "123456789012345";
const char* const kCounters[] = {"lakut",   "lrot",      "lschwarz", "lklein",  "lgross",
                                 "lgerade", "lungerade", "Label11",  "Label13", "Label14"};

// Where a label or a button shows its text.
QRect textArea(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->contentsRect();
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
    // Both shapes and the line drawn in dark blue at every point of their edges,
    // `thick` pixels thick unless 0.
    void expectBlueBorders(const QImage& image, qreal unit, int corner, int thick = 0) const {
        for (const char* name : {"Shape1", "Shape2", "Line1"}) {
            for (Qt::Edge side : {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge}) {
                if (name[0] == 'S' || side == Qt::TopEdge) {
                    expectBorder(image, inShot(widget(name)), side, kDarkBlue, unit, corner, name,
                                 thick);
                }
            }
        }
    }

    // Each edge of a widget at its place in twips times the zoom, rounded (edges
    // rounded, not sizes, so that neighbours keep their distance); grid rows,
    // whose height is rounded, within a pixel.
    static void expectAtZoom(const QRect& shown, const Twips& g, double zoom, double off = 0.5) {
        EXPECT_NEAR(shown.left(), g.left * zoom / 15, off);
        EXPECT_NEAR(shown.top(), g.top * zoom / 15, off);
        EXPECT_NEAR(shown.left() + shown.width(), (g.left + g.width) * zoom / 15, off);
        EXPECT_NEAR(shown.top() + shown.height(), (g.top + g.height) * zoom / 15, off);
    }
    void expectControlAtZoom(const std::string& name, double zoom) const {
        SCOPED_TRACE(name);
        expectAtZoom(widget(name)->geometry(), form.find(name)->geometry, zoom);
    }
};

using ScaleTest = LookTest;
using ZoomTest = LookTest;

TEST_F(ScaleTest, FramesLinesAndLabelBordersAreDrawnWhole) {
    const QImage image = shot();
    const int corner = int(std::ceil(2 * dpr()));
    expectBlueBorders(image, dpr(), corner);
    for (const char* label :
         {"lakut", "lrot", "lungerade", "Label11", "Label14", "text", "Lrotat", "lzahl"}) {
        for (Qt::Edge side : {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge}) {
            const bool lit = side == Qt::RightEdge || side == Qt::BottomEdge;
            expectBorder(image, inShot(widget(label)), side,
                         toQColor(lit ? kBorderLight : kBorderShadow), dpr(), corner, label);
        }
    }
    // The import panel, over the right column; its frame begins at the middle of
    // its caption.
    form.Frame1.visible = true;
    window->syncFromModel();
    QRectF panel = inShot(widget("Frame1"));
    panel.setTop(panel.top() + widget("Frame1")->fontMetrics().height() / 2 * dpr());
    for (Qt::Edge side : {Qt::LeftEdge, Qt::RightEdge, Qt::BottomEdge}) {
        expectBorder(shot(), panel, side, toQColor(kBorderShadow), dpr(), corner, "Frame1");
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
    for (QLabel* label : window->findChildren<QLabel*>()) {  // every row fits, nothing cut
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_FALSE(label->text().contains(QChar(0x2026)));
        expectRowsFit(label);
        const QFontMetricsF metrics(label->font());
        EXPECT_LE(label->text().count('\n') * metrics.lineSpacing() + metrics.height(),
                  label->contentsRect().height() + 0.5);
    }
    for (const char* name : kCounters) {  // at the largest size that fits
        auto* label = widget<QLabel>(name);
        EXPECT_EQ(label->text().toStdString(), kDigits15) << name;
        QFont larger = label->font();
        larger.setPixelSize(QFontInfo(label->font()).pixelSize() + 1);
        EXPECT_GT(QFontMetricsF(larger).horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << name;
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), textArea(button).width())
            << button->objectName().toStdString();
    }
    // The digits' ink stays clear of both sides of each cell.
    auto* t1 = widget<QTableView>("tabelle1");
    const QImage cells = t1->viewport()->grab().toImage();
    for (int col = 1; col < 4; ++col) {
        const QRect cell = cellRect(t1, 20, col);
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
    QRgb background = area.pixel(0, 0);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QRgb pixel = area.pixel(x, y);
            background = ++counts[pixel] > counts[background] ? pixel : background;
        }
    }
    double most = 1;
    for (const auto& [colour, count] : counts) {
        most = std::max(most, contrast(QColor(background), QColor(colour)));
    }
    return most;
}

// The colour schemes people use, as their desktops hand them to Qt: the style's
// light one, qt6ct's "darker" and GTK 3's Adwaita:dark. The dark ones by their
// 21 roles (qt6ct's order of QPalette::ColorRole), active and disabled; the
// inactive group as the active one.
std::vector<std::pair<std::string, QPalette>> schemes() {
    const auto from = [](const QString& active, const QString& disabled) {
        QPalette palette;
        const QStringList colours = active.split(' '), greyed = disabled.split(' ');
        for (int role = 0; role < colours.size(); ++role) {
            palette.setColor(QPalette::ColorRole(role), QColor(colours[role]));  // every group
            palette.setColor(QPalette::Disabled, QPalette::ColorRole(role), QColor(greyed[role]));
        }
        return palette;
    };
    const QString gtk[] = {
        "#f0f0f0 #323232 #4b4b4b #2a2a2a #212121 #262626 #f0f0f0 #4b4b4b #f0f0f0 #242424 #323232 "
        "#191919 #308cc6 #f0f0f0 #308cc6 #ff00ff #2b2b2b #000000 #ffffdc #000000 #f0f0f0",
        "#828282 #323232 #4b4b4b #2a2a2a #bebebe #262626 #828282 #4b4b4b #828282 #323232 #323232 "
        "#252525 #919191 #f0f0f0 #308cc6 #ff00ff #2b2b2b #000000 #ffffdc #000000 #f0f0f0"};
    const QString qt6ct[] = {
        "#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff #ffffff #ffffff #3d3d3d #222020 "
        "#e7e4e0 #12608a #f9f9f9 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #80ffffff",
        "#808080 #424245 #979797 #5e5c5b #302f2e #4a4947 #808080 #ffffff #808080 #3d3d3d #222020 "
        "#e7e4e0 #12608a #808080 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #80ffffff"};
    return {{"light", QApplication::style()->standardPalette()},
            {"qt6ct darker", from(qt6ct[0], qt6ct[1])},
            {"GTK3 Adwaita:dark", from(gtk[0], gtk[1])}};
}

// Every control that shows text, in a window opened under each scheme. Start's
// caption is greyed when disabled, as the other disabled buttons are: clearly
// less contrast than when Start can be pressed, but showing. The selected entry
// of each import list is readable, focused or not.
TEST_F(LookTest, EveryTextStandsOutAndDisabledStartLooksDisabledInEveryScheme) {
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
    form.Dir1.items = {"/", "daten", "Permanenzen"};
    form.Dir1.pathEntries = 2;
    form.Dir1.listIndex = 2;
    form.File1.items = {"hamburg.txt", "januar.txt"};
    form.File1.listIndex = 1;
    QWidget other;  // takes the focus away from the window
    for (const auto& [scheme, palette] : schemes()) {
        SCOPED_TRACE(scheme);
        window.reset();
        QApplication::setPalette(palette);
        window = std::make_unique<MainWindow>();
        window->bind(form);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        std::vector<std::pair<std::string, QImage>> areas;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* edit = qobject_cast<QLineEdit*>(w);
            if (!w->isVisible() || !w->isEnabled() || (label && label->text().isEmpty()) ||
                (edit && edit->text().isEmpty()) ||
                (!label && !edit && !qobject_cast<QAbstractButton*>(w))) {
                continue;
            }
            const QRect area = edit ? w->rect().adjusted(3, 3, -3, -3) : textArea(w);
            areas.emplace_back(w->objectName().toStdString(), w->grab(area).toImage());
        }
        const std::tuple<const char*, int, int> cells[] = {
            {"tabelle1", 7, 0}, {"tabelle1", 8, 0}, {"tabelle1", 7, 1}, {"tabelle2", 7, 0}};
        for (const auto& [grid, row, col] : cells) {
            auto* view = widget<QTableView>(grid);
            const QRect cell = cellRect(view, row, col).adjusted(0, 0, -1, -1);
            areas.emplace_back(grid + std::to_string(row) + std::to_string(col),
                               view->viewport()->grab(cell).toImage());
        }
        EXPECT_GT(areas.size(), 40u);
        for (const auto& [name, image] : areas) {
            EXPECT_GE(drawnContrast(image), 4.5) << name;
        }

        QWidget* start = widget("okstart");
        const double enabled = drawnContrast(start->grab(textArea(start)).toImage());
        form.okstart.enabled = false;
        window->syncFromModel();
        const double disabled = drawnContrast(start->grab(textArea(start)).toImage());
        form.okstart.enabled = true;
        EXPECT_LT(disabled, enabled / 2) << disabled << " against " << enabled;
        EXPECT_GT(disabled, 1.5);

        form.Frame1.visible = true;
        window->syncFromModel();
        for (const char* focus : {"focused", "unfocused"}) {
            for (auto* list : {widget<QListWidget>("Dir1"), widget<QListWidget>("File1")}) {
                list->setFocus();
                QRect row = list->visualItemRect(list->selectedItems().value(0));
                row.setLeft(row.left() + list->iconSize().width() + 4);  // the name alone
                // Readable, and still the scheme's colour, not black or white.
                const double selected = drawnContrast(list->viewport()->grab(row).toImage());
                EXPECT_TRUE(selected >= 4.5 && selected < 7.5)
                    << list->objectName().toStdString() << " " << focus << ": " << selected;
            }
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        }
        other.hide();
        form.Frame1.visible = false;
    }
    QApplication::setPalette(QApplication::style()->standardPalette());
}

// A 10 MB status text, a count of 300 digits and 150 short lines: drawn at the
// smallest size, cut with an ellipsis, without reading more of them than the
// label can show.
TEST_F(LookTest, CaptionsOfAnyLengthAreCutAtTheSmallestSize) {
    std::string lines;
    for (int i = 0; i < 150; ++i) {
        lines += "Wurf\r";
    }
    const std::pair<const char*, std::string> captions[] = {
        {"text", "Spielbank " + std::string(10'000'000, 'x') + testing::kEnd},
        {"lakut", std::string(300, '9')},
        {"text", lines}};
    for (const auto& [name, caption] : captions) {
        form.find(name)->caption = caption;
        window->syncFromModel();
        auto* label = widget<QLabel>(name);
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << name;
        EXPECT_EQ(QFontInfo(label->font()).pixelSize(), kMinimumFontPixels) << name;
        EXPECT_LT(label->text().size(), 20'000) << name;
        expectRowsFit(label);
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
    for (const auto& [grid, row, col, name] :
         {std::tuple{"tabelle1", 0, 0, "Zahl 0"},
          {"tabelle1", 7, 0, "Zahl 7, markiert"},
          {"tabelle1", 0, 1, "Zahl 0, Anzahl: 5"},
          {"tabelle1", 36, 3, "Zahl 36, 3fach: leer"},
          {"tabelle2", 7, 0, "Zahl 7, Erstes Erscheinen: wartet"},
          {"tabelle2", 8, 0, "Zahl 8, Erstes Erscheinen: leer"}}) {
        auto* table = QAccessible::queryAccessibleInterface(widget(grid))->tableInterface();
        ASSERT_NE(table, nullptr);
        QAccessibleInterface* cell = table->cellAt(row, col);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), name);
        EXPECT_EQ(nameOfHeader(cell->tableCellInterface()->rowHeaderCells().value(0)),
                  QString::number(row));
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
        // A key held down repeats its press; the button was pressed once.
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(widget("okcopy"), &held);
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

TEST_F(ZoomTest, EveryControlGridRowAndBorderScalesWithTheZoomAndClicksHitTheirRow) {
    QTableView* t1 = widget<QTableView>("tabelle1");
    QWidget* port = t1->viewport();
    for (auto [zoom, markedRow] :
         {std::pair{1.0, 0}, {1.5, 3}, {2.0, 17}, {3.0, 36}, {2.5, 30}, {1.25, 5}, {1.75, 9}}) {
        SCOPED_TRACE(zoom);
        window->zoomTo(zoom);
        QApplication::processEvents();
        ASSERT_EQ(window->zoom(), zoom);
        for (const char* name :
             {"okstart", "textanzahl", "lakut", "Label11", "tabelle1", "tabelle2", "infotext",
              "Frame1", "File1", "Shape1", "Shape2", "okende"}) {
            expectControlAtZoom(name, zoom);
        }
        EXPECT_DOUBLE_EQ(widget("textanzahl")->font().pointSizeF(), 12 * zoom);
        EXPECT_DOUBLE_EQ(widget("okstart")->font().pointSizeF(), 9.75 * zoom);
        EXPECT_GE(QFontInfo(t1->font()).pixelSize(), std::floor(7 * zoom));
        expectRowsFit(widget<QLabel>("text"));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget("okstart"))->rect().size(),
                  widget("okstart")->size());

        // Column 1 of row 20: 47 pixels wide after 30 and 11 high under a frame of
        // one at 100 %; the same row of tabelle2 level with it.
        const QRect row = cellRect(t1, 20, 1).translated(port->mapTo(window.get(), QPoint()));
        expectAtZoom(row, Twips{(28 + 30) * 15, (22 + 11 * 20) * 15, 47 * 15, 11 * 15}, zoom, 1);
        auto* t2 = widget<QTableView>("tabelle2");
        EXPECT_EQ(t2->viewport()->mapTo(window.get(), cellRect(t2, 20, 0).topLeft()).y(),
                  row.top());

        const int zoomed = int(std::lround(zoom));
        expectBlueBorders(shot(), 1, zoomed + 1, zoomed);

        // The row under the pointer is the row that a click marks.
        const QPointF design(27 + 40, 22 + 11 * markedRow + 5.5);
        QTest::mouseClick(port, Qt::LeftButton, {},
                          port->mapFrom(window.get(), (design * zoom).toPoint()));
        EXPECT_EQ(form.tabelle1.cell(markedRow, 0).background, kMarkingColour);
    }
}

// The width of the first run of columns, from column `from` on, that hold a
// pixel `ink` picks.
int inkRun(const QImage& image, int from, const std::function<bool(QRgb)>& ink) {
    int run = 0;
    for (int x = from; x < image.width(); ++x) {
        bool found = false;
        for (int y = 0; y < image.height() && !found; ++y) {
            found = ink(image.pixel(x, y));
        }
        if (!found && run > 0) {
            break;
        }
        run += found ? 1 : 0;
    }
    return run;
}

// The parts the style draws, each by a size in pixels: within a pixel of the
// size at 100 % times the zoom, and one icon size for every directory.
TEST_F(ZoomTest, PartsTheStyleDrawsGrowWithTheZoom) {
    form.Frame1.visible = true;
    form.Drive1.items = {"/"};
    form.Drive1.setDrive("/");
    form.Dir1.items = {"/", "daten", "alt"};
    form.Dir1.pathEntries = 2;
    form.infotext.visible = true;
    form.infotext.text.assign(20000, 'x');  // lines broken anywhere
    window->syncFromModel();
    auto* dirs = widget<QListWidget>("Dir1");
    const std::pair<const char*, std::function<int()>> parts[] = {
        {"option circle",
         [&] {  // anything but the window's background
             const QImage image = widget("Option1(0)")->grab().toImage();
             return inkRun(image, 0, [&](QRgb p) { return p != image.pixel(0, 0); });
         }},
        {"scroll bar",
         [&] { return widget<QTextBrowser>("infotext")->verticalScrollBar()->width(); }},
        {"combo arrow",
         [&] {  // dark marks in the right half
             const QImage image = widget("Drive1")->grab().toImage();
             return inkRun(image, image.width() / 2, [](QRgb p) { return qGray(p) < 140; });
         }},
        {"directory icons", [&] {
             std::set<int> sides;
             for (int row = 0; row < dirs->count(); ++row) {
                 sides.insert(dirs->item(row)->icon().actualSize(dirs->iconSize()).height());
             }
             return sides.size() == 1 ? *sides.begin() : -1;
         }}};
    std::vector<int> design;
    for (const auto& [name, size] : parts) {
        design.push_back(size());
    }
    for (const double zoom : {1.5, 2.0, 3.0}) {
        window->zoomTo(zoom);
        for (std::size_t i = 0; i < design.size(); ++i) {
            EXPECT_NEAR(parts[i].second(), design[i] * zoom, 1.0)
                << parts[i].first << " at " << zoom << ", " << design[i] << " at 100 %";
        }
    }
}

// The largest factor that fits the client area; the rest shows the background.
TEST_F(ZoomTest, ResizingZoomsToTheLargestFactorThatFits) {
    const std::pair<QSize, double> sizes[] = {
        {{1276, 954}, 2.0}, {{1276, 1300}, 2.0}, {{1100, 954}, 1100.0 / 638},
        {{1, 1}, 1.0},      {{9000, 9000}, 4.0}, {{800, 2000}, 800.0 / 638}};
    for (const auto& [size, zoom] : sizes) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        QApplication::processEvents();
        EXPECT_GE(window->width(), kDesign.width());
        EXPECT_GE(window->height(), kDesign.height());
        EXPECT_DOUBLE_EQ(window->zoom(), zoom);
        expectControlAtZoom("tabelle1", zoom);
        const QPoint corner(window->width() - 1, window->height() - 1);
        EXPECT_EQ(shot().pixelColor(corner), toQColor(form.background));
    }
}

// The window stays on the screen it is shown on, whatever sizes and zooms come,
// also many at once: its top left corner inside the screen's free area, all of
// it where it fits, and controls zoomed no larger than the area shows; the zoom
// keys grow it as far as the screen allows: to the largest factor, or until it
// fills the screen one way. Runs once more at each scale factor and on a screen
// smaller than the window at its place (see CMakeLists.txt).
TEST_F(ScaleTest, TheWindowStaysOnTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    const std::tuple<const char*, bool, std::function<void(int)>> rows[] = {
        {"at start-up", false, [](int) {}},
        {"resized past the screen", false, [this](int) { window->resize(2552, 1908); }},
        {"zoom key held 5 s", true,
         [this](int i) {  // 30 a second
             QKeyEvent press(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier, "+", i > 0);
             QApplication::sendEvent(widget("textanzahl"), &press);
         }},
        {"150 sizes at once", false,
         [this](int i) { window->resize(1 + i * 977 % 3000, 1 + i * 631 % 2200); }}};
    for (const auto& [name, grown, step] : rows) {
        for (int i = 0; i < 150; ++i) {
            step(i);
        }
        QApplication::processEvents();
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(area.contains(frame.topLeft())) << name;
        const bool fits = area.size().expandedTo(frame.size()) == area.size();
        EXPECT_TRUE(!fits || area.contains(frame)) << name;
        const QSize zoomed = sizeAtZoom(kDesign, window->zoom());
        EXPECT_TRUE(window->zoom() == 1.0 || area.size().expandedTo(zoomed) == area.size())
            << name << ": zoom " << window->zoom();
        EXPECT_TRUE(!grown || window->zoom() == kLargestZoom || frame.width() >= area.width() - 1 ||
                    frame.height() >= area.height() - 1)
            << name << ": zoom " << window->zoom();
    }
}

// The keys on the focused control and the wheel anywhere, also many in a row.
TEST_F(ZoomTest, KeysAndWheelZoomInSteps) {
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const auto keypad = ctrl | Qt::KeypadModifier;
    const auto shifted = ctrl | Qt::ShiftModifier;
    const auto alt = ctrl | Qt::AltModifier;  // the chords of other programs
    const auto meta = ctrl | Qt::MetaModifier;
    auto* edit = widget<QLineEdit>("textanzahl");
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, double> keys[] = {
        {Qt::Key_Plus, ctrl, 1.25},    {Qt::Key_Plus, shifted, 1.5}, {Qt::Key_Plus, keypad, 1.75},
        {Qt::Key_Equal, ctrl, 2.0},    {Qt::Key_Minus, ctrl, 1.75},  {Qt::Key_Minus, keypad, 1.5},
        {Qt::Key_Equal, shifted, 1.5}, {Qt::Key_0, ctrl, 1.0},       {Qt::Key_Minus, ctrl, 1.0},
        {Qt::Key_Plus, keypad, 1.25},  {Qt::Key_0, keypad, 1.0},     {Qt::Key_Plus, alt, 1.0},
        {Qt::Key_Minus, ctrl, 1.0},    {Qt::Key_Plus, meta, 1.0}};
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

    window->zoomTo(1.37);  // a step out goes down to the next step, not by a step
    QWidget* port = widget<QTableView>("tabelle1")->viewport();
    const std::tuple<int, Qt::KeyboardModifiers, double> wheels[] = {
        {-120, ctrl, 1.25}, {60, ctrl, 1.25}, {60, ctrl, 1.5}, {-360, ctrl, 1.0}, {120, {}, 1.0}};
    for (const auto& [delta, modifiers, zoom] : wheels) {
        QWheelEvent wheel(QPointF(20, 20), port->mapToGlobal(QPointF(20, 20)), {}, {0, delta},
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &wheel);
        EXPECT_EQ(window->zoom(), zoom) << delta;
    }
}

// Sizes and keys that come while a click is handled wait until it has ended; a
// step in from a factor between steps goes up to the next step.
TEST_F(ZoomTest, AZoomDuringAClickTakesEffectWhenItEnds) {
    const QRect before = widget("tabelle1")->geometry();
    std::vector<QRect> inside;
    form.okinfo.onClick = [&] {
        window->resize(sizeAtZoom(kDesign, 1.9));
        QApplication::processEvents();
        QTest::keyClick(widget("textanzahl"), Qt::Key_Plus, Qt::ControlModifier);
        inside.push_back(widget("tabelle1")->geometry());
    };
    QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
    EXPECT_EQ(inside, std::vector<QRect>{before});
    EXPECT_EQ(window->zoom(), 2.0);
    expectControlAtZoom("tabelle1", 2.0);
}

}  // namespace
}  // namespace lurnatik::qt_test
