#pragma once
// The program with its handlers on the scripted platform, drawn in a real window
// on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>

#include "support/program_test.h"
#include "window/qt/main_window.h"

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

    std::unique_ptr<MainWindow> window;
};

}  // namespace lurnatik::qt_test
