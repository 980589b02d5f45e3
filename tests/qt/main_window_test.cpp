#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <cmath>

#include "window/instruction_text.h"
#include "window/qt/qt_convert.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

TEST_F(WindowTest, WindowHasTheClientSizeCaptionAndPlaceOfTheForm) {
    EXPECT_EQ(window->size(), QSize(638, 477));
    EXPECT_EQ(window->pos(), QPoint(60, 107));
    EXPECT_EQ(window->windowTitle().toStdString(), form.caption);
}

// Every control is a widget named as the control, inside the frame for the
// controls of the import panel, at the model's twips over 15.
TEST_F(WindowTest, EveryControlIsAWidgetAtItsPlace) {
    auto* frame = widget(form.Frame1.name());
    for (const Control* c : form.controls()) {
        SCOPED_TRACE(c->name());
        QWidget* w = widget(c->name());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), c->container != nullptr ? frame : window.get());
        if (c->kind() == Kind::Line) {
            continue;
        }
        const Twips& g = c->geometry;
        EXPECT_EQ(w->geometry(), QRect(px(g.left), px(g.top), px(g.left + g.width) - px(g.left),
                                       px(g.top + g.height) - px(g.top)));
    }
}

// A few places worked out by hand from the layout.
TEST_F(WindowTest, PlacesInPixels) {
    const struct {
        const char* name;
        QRect pixels;
    } cases[] = {
        {"okstart", {476, 259, 112, 30}},  {"tabelle1", {27, 21, 159, 410}},
        {"tabelle2", {189, 21, 28, 412}},  {"Option1(2)", {480, 144, 105, 29}},
        {"File1", {7, 231, 127, 149}},     {"okexternabbruch", {77, 406, 50, 22}},
        {"Line1", {469, 329, 127, 1}},     {"Frame1", {462, 15, 141, 449}},
        {"infotext", {219, 15, 235, 394}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = widget(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.pixels);
    }
}

TEST_F(WindowTest, WidgetsShowTheModelsTooltipsAndStates) {
    for (const Control* c : form.controls()) {
        SCOPED_TRACE(c->name());
        QWidget* w = widget(c->name());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip().toStdString(), c->tooltip);
        EXPECT_EQ(w->isEnabled(), c->enabled);
        EXPECT_EQ(w->isVisible(), c->shown());
        EXPECT_FALSE(w->accessibleName().isEmpty());
    }
}

TEST_F(WindowTest, InitialStatesOfTheWindow) {
    for (const char* name : {"okstart", "okabbrechen", "okdruck", "haltbei", "okexternok"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(widget(name)->isEnabled());
    }
    for (const char* name : {"okcopy", "okinfo", "okende", "okextern", "textanzahl"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(widget(name)->isEnabled());
    }
    EXPECT_FALSE(widget("Frame1")->isVisible());
    EXPECT_FALSE(widget("infotext")->isVisible());
    EXPECT_FALSE(widget("File1")->isVisible());
    EXPECT_TRUE(widget<QRadioButton>("Option1(0)")->isChecked());
    for (const char* name : {"Option1(1)", "Option1(2)", "Option1(3)"}) {
        EXPECT_FALSE(widget<QRadioButton>(name)->isChecked()) << name;
    }
    EXPECT_EQ(widget<QLineEdit>("textanzahl")->text(), QString());
    EXPECT_EQ(widget<QLineEdit>("haltbei")->text(), QString());
    EXPECT_EQ(widget<QLabel>("lakut")->text(), QString());
}

TEST_F(WindowTest, CaptionsAndTextsAreTheModels) {
    for (const Control* c : form.controls()) {
        SCOPED_TRACE(c->name());
        QWidget* w = widget(c->name());
        ASSERT_NE(w, nullptr);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            shown = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            shown = button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            shown = box->title();
        } else {
            continue;
        }
        EXPECT_EQ(shown, captionText(c->caption));
    }
    EXPECT_EQ(widget<QPushButton>("okstart")->text(), "Start");
    EXPECT_EQ(widget<QRadioButton>("Option1(3)")->text(), "Rotation/37");
    EXPECT_EQ(widget<QGroupBox>("Frame1")->title(), "Import Permanenz");
}

TEST_F(WindowTest, StatusTextShowsItsFourLines) {
    const QString shown = widget<QLabel>("text")->text();
    EXPECT_EQ(shown.split('\n').size(), 4);
    EXPECT_EQ(shown, QString::fromUtf8(kInstructionText).replace('\r', '\n'));
}

// A caption line wider than its label is drawn a little smaller instead of being
// broken; a caption that fits gets the label's own size back.
TEST_F(WindowTest, LongCaptionLinesFitTheirLabel) {
    auto* label = widget<QLabel>("text");
    const QFont own = label->font();
    const std::string wide =
        " Geben Sie den Ort an, wo sich die Datei\r  mit den Permanenzen der Hamburger Spiel-";
    ASSERT_GT(QFontMetrics(own).horizontalAdvance(captionText(wide).split('\n')[1]),
              label->contentsRect().width() - label->indent());
    form.text.caption = wide;
    window->syncFromModel();
    for (const QString& line : label->text().split('\n')) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(line),
                  label->contentsRect().width() - label->indent())
            << line.toStdString();
    }
    form.text.caption = kInstructionText;
    window->syncFromModel();
    EXPECT_EQ(label->font(), own);
}

TEST_F(WindowTest, AccessibleNamesAreGermanAndDistinct) {
    EXPECT_EQ(widget("textanzahl")->accessibleName(), QString::fromUtf8("Anzahl Würfe"));
    EXPECT_EQ(widget("okstart")->accessibleName(), "Start");
    QSet<QString> names;
    for (const Control* c : form.controls()) {
        names.insert(widget(c->name())->accessibleName());
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(form.controls().size()));
}

TEST_F(WindowTest, TabOrderBeginsAtTextanzahl) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), widget("textanzahl"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget("Option1(0)"));

    // The focus chain visits the usable tab stops in the model's order.
    auto usable = [](const QWidget* w) {
        return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible();
    };
    std::vector<const Control*> stops;
    for (const Control* c : form.controls()) {
        if (c->tabIndex >= 0 && usable(widget(c->name()))) {
            stops.push_back(c);
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    std::vector<std::string> expected;
    for (const Control* c : stops) {
        expected.push_back(c->name());
    }
    std::vector<std::string> visited;
    QWidget* const first = widget("textanzahl");
    QWidget* w = first;
    do {
        const std::string name = w->objectName().toStdString();
        const Control* c = form.find(name);
        if (c != nullptr && c->tabIndex >= 0 && usable(w)) {
            visited.push_back(name);
        }
        w = w->nextInFocusChain();
    } while (w != first);
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowTest, FontsAreTheNearestInstalledFaces) {
    const QFont okstart = widget("okstart")->font();
    EXPECT_EQ(QFontInfo(okstart).family(), "DejaVu Sans");
    EXPECT_TRUE(QFontInfo(okstart).bold());
    EXPECT_NEAR(QFontInfo(okstart).pointSizeF(), 9.75, 0.75);
    EXPECT_FALSE(QFontInfo(widget("okresetl")->font()).bold());

    for (const char* name : {"tabelle1", "tabelle2", "Label11", "Label13", "Label14"}) {
        SCOPED_TRACE(name);
        const QFont f = widget(name)->font();
        EXPECT_TRUE(QFontInfo(f).fixedPitch());
    }
    // The fixed-pitch labels hold their text inside their border.
    auto* label11 = widget<QLabel>("Label11");
    EXPECT_LE(QFontMetrics(label11->font()).height(), label11->contentsRect().height());
}

TEST_F(WindowTest, ColoursOfTheModel) {
    const QColor paleGreen(192, 255, 192);
    EXPECT_EQ(widget("lakut")->palette().color(QPalette::Window), paleGreen);
    EXPECT_EQ(widget("textanzahl")->palette().color(QPalette::Base), paleGreen);
    EXPECT_EQ(widget("lrot")->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(widget("Label6")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(widget("okstart")->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(widget("Option1(1)")->palette().color(widget("Option1(1)")->backgroundRole()),
              QColor(224, 224, 224));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(224, 224, 224));
}

}  // namespace
}  // namespace lurnatik::qt_test
