// One QApplication for every test of this binary, on the offscreen platform and
// with a pinned locale and no print server, whatever the shell that runs it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // The offscreen screen is 800 pixels square unless told otherwise; the window
        // zoomed to 400 % needs a screen of 2552 x 1908 and room for its frame.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (platform.isEmpty() || platform == "offscreen") {
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LURNATIK_LARGE_SCREEN);
        }
        qputenv("LC_ALL", "C.UTF-8");
        // No print server, whatever queues the machine has: the tests say which
        // printer is installed, and a real queue would take their jobs.
        qputenv("CUPS_SERVER", "/nonexistent/lurnatik-tests/cups.sock");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[9] = "qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
