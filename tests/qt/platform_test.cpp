#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "window/qt/program_icon.h"
#include "window/qt/qt_locale.h"
#include "window/qt/qt_session.h"

namespace lurnatik::qt_test {
namespace {

TEST(QtLocaleTest, ReadsTheWholeTextByTheLocalesConventions) {
    QtLocale german(QLocale(QLocale::German, QLocale::Germany));
    QtLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        QtLocale* locale;
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {&german, "20", 20.0},         {&german, "2,5", 2.5},
        {&german, "1.234,5", 1234.5},  {&german, "12abc", std::nullopt},
        {&german, "", std::nullopt},   {&english, "2.5", 2.5},
        {&english, "1,234.5", 1234.5}, {&english, "2,5x", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.locale->toNumber(c.text), c.value) << c.text;
    }
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
