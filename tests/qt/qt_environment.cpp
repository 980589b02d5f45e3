// One QApplication for every test of this binary, on the offscreen platform and
// with a pinned locale, whatever the shell that runs it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qputenv("LC_ALL", "C.UTF-8");
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
