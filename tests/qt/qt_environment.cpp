// One QApplication for every test of this binary, on the offscreen platform and
// with a pinned locale, whatever the shell that runs it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <memory>

namespace {

// The offscreen screen is 800 pixels square unless told otherwise; the window
// zoomed to 400 % needs a screen of 2552 x 1908 and room for its frame. The
// platform reads the file when the application starts; the caller removes it then.
QString useLargeOffscreenScreen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen") {
        return {};
    }
    const QString path = QDir::temp().filePath(
        QStringLiteral("lurnatik-offscreen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return {};
    }
    config.write(R"({"screens": [{"name": "offscreen", "x": 0, "y": 0, "width": 2800,
                   "height": 2100, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
    return path;
}

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        const QString screenConfig = useLargeOffscreenScreen();
        qputenv("LC_ALL", "C.UTF-8");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        if (!screenConfig.isEmpty()) {
            QFile::remove(screenConfig);
        }
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
