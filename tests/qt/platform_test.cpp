#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "window/qt/program_icon.h"
#include "window/qt/qt_session.h"

namespace lurnatik::qt_test {
namespace {

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
