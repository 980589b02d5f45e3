#include <QFontInfo>
#include <QFontMetrics>
#include <QSet>
#include <QTimer>
#include <map>
#include <ranges>

#include "window/qt/program_icon.h"
#include "window/qt/qt_convert.h"
#include "window/qt/qt_session.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

// Every control is a widget named as the control, inside the frame for the
// controls of the import panel, at the model's twips over 15, with the model's
// tooltip, states and caption, and an accessible name of its own (the places
// are checked at every zoom in look_test.cpp).
TEST_F(WindowTest, EveryControlIsAWidgetAsTheModelHasIt) {
    auto* frame = widget(form.Frame1.name());
    QSet<QString> names;
    for (const Control* c : form.controls()) {
        SCOPED_TRACE(c->name());
        QWidget* w = widget(c->name());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), c->container != nullptr ? frame : window.get());
        EXPECT_EQ(w->toolTip().toStdString(), c->tooltip);
        EXPECT_EQ(w->isEnabled(), c->enabled);
        EXPECT_EQ(w->isVisible(), c->shown());
        names.insert(w->accessibleName());
        if (w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QGroupBox")) {
            const char* caption = w->inherits("QGroupBox") ? "title" : "text";
            EXPECT_EQ(w->property(caption).toString(), captionText(c->caption));
        }
    }
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(names.size(), static_cast<qsizetype>(form.controls().size()));
    EXPECT_EQ(window->pos(), QPoint(60, 107));
    EXPECT_EQ(window->windowTitle().toStdString(), form.caption);
    EXPECT_EQ(widget<QLabel>("text")->text().split('\n').size(), 4) << "carriage returns break";
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(widget("okstart")->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::ToolTipBase));
    // The fonts are the nearest installed faces.
    const QFont okstart = widget("okstart")->font();
    EXPECT_EQ(QFontInfo(okstart).family(), "DejaVu Sans");
    EXPECT_TRUE(QFontInfo(okstart).bold());
    EXPECT_NEAR(QFontInfo(okstart).pointSizeF(), 9.75, 0.75);
    EXPECT_FALSE(QFontInfo(widget("okresetl")->font()).bold());
    for (const char* name : {"tabelle1", "tabelle2", "Label11", "Label13", "Label14"}) {
        EXPECT_TRUE(QFontInfo(widget(name)->font()).fixedPitch()) << name;
    }
    // The fixed-pitch labels hold their text inside their border.
    auto* label11 = widget<QLabel>("Label11");
    EXPECT_LE(QFontMetrics(label11->font()).height(), label11->contentsRect().height());
}

TEST_F(WindowTest, TabOrderBeginsAtTextanzahl) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), widget("textanzahl"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget("Option1(0)"));

    // The focus chain visits the usable tab stops in the model's order.
    auto stop = [this](const QWidget* w) {
        const Control* c = form.find(w->objectName().toStdString());
        return c != nullptr && c->tabIndex >= 0 && (w->focusPolicy() & Qt::TabFocus) &&
               w->isEnabled() && w->isVisible();
    };
    std::map<int, std::string> expected;
    for (const Control* c : form.controls()) {
        if (stop(widget(c->name()))) {
            expected[c->tabIndex] = c->name();
        }
    }
    std::vector<std::string> visited;
    QWidget* w = widget("textanzahl");
    do {
        if (stop(w)) {
            visited.push_back(w->objectName().toStdString());
        }
        w = w->nextInFocusChain();
    } while (w != widget("textanzahl"));
    const auto names = std::views::values(expected);
    EXPECT_EQ(visited, std::vector<std::string>(names.begin(), names.end()));
    EXPECT_EQ(visited.back(), "tabelle1");
}

TEST_F(WindowTest, AWindowThatGoesFirstTakesItsRepaintHookWithIt) {
    window.reset();
    EXPECT_FALSE(static_cast<bool>(form.lakut.repaintRequest));
    form.lakut.repaint();  // must not reach the window that is gone
}

// The app makes the window first and the program last, so the program goes first.
TEST(TeardownTest, TheProgramMayGoBeforeItsWindow) {
    testing::FakePlatform fake;
    MainWindow window;
    auto program = std::make_unique<Program>(fake.platform);
    program->startUp();
    window.bind(program->form);
    window.show();
    program.reset();
    EXPECT_EQ(window.findChild<QWidget*>("okstart"), nullptr);
}

TEST(ProgramIconTest, HasEveryThemeSizeWithoutAnIconTheme) {
    QIcon::setThemeSearchPaths({});
    const QIcon icon = programIcon();
    for (const int size : {16, 22, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        EXPECT_EQ(icon.pixmap(size).size(), QSize(size, size)) << size;
    }
}

TEST(QtSessionTest, QuitClosesTheWindowAndLeavesTheEventLoop) {
    QWidget window;
    window.show();
    QtSession session(&window);
    QTimer::singleShot(0, [&] { session.quit(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a safety net
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace lurnatik::qt_test
