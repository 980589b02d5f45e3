#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/steady_clock.h"
#include "window/qt/program_icon.h"
#include "window/qt/qt_locale.h"
#include "window/qt/qt_message_box.h"
#include "window/qt/qt_session.h"

namespace lurnatik::qt_test {
namespace {

// Answers the next message box by clicking the button with that text, from a
// polling timer, as a user would.
class Answerer {
  public:
    explicit Answerer(QString button) : button_(std::move(button)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    QString seen;  // title|text|icon|buttons in order of their texts|default button

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        timer_.stop();
        QStringList buttons;
        for (QAbstractButton* b : box->buttons()) {
            buttons << b->text();
            if (b->text() == button_) {
                QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
            }
        }
        buttons.sort();
        const QString fallback = box->defaultButton() ? box->defaultButton()->text() : "";
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                           buttons.join(','), fallback}
                   .join('|');
    }
    QString button_;
    QTimer timer_;
};

TEST(QtMessageBoxTest, RealDialogsAnswerAsClicked) {
    const struct {
        int style;
        const char* click;
        Answer answer;
        QString buttons;
    } cases[] = {
        {36, "Ja", Answer::Ja, "Ja,Nein"},
        {36, "Nein", Answer::Nein, "Ja,Nein"},
        {35, "Ja", Answer::Ja, "Abbrechen,Ja,Nein"},
        {35, "Abbrechen", Answer::Abbrechen, "Abbrechen,Ja,Nein"},
    };
    QWidget window;
    window.show();
    QtMessageBox messageBox(&window);
    const QString question = QString::number(QMessageBox::Question);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.click) + " in style " + std::to_string(c.style));
        Answerer answerer(c.click);
        EXPECT_EQ(messageBox.ask("Abbruch bitte bestätigen !     ", " Abbruch", c.style), c.answer);
        EXPECT_EQ(answerer.seen, QString::fromUtf8(" Abbruch|Abbruch bitte bestätigen !     |") +
                                     question + "|" + c.buttons + "|Ja");
    }
}

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

TEST(QtLocaleTest, ShortDateIsTodayInTheLocalesForm) {
    const QLocale locale(QLocale::German, QLocale::Germany);
    QtLocale german(locale);
    const QString shown = QString::fromStdString(german.shortDate());
    const QDate read = locale.toDate(shown, QLocale::ShortFormat);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(read.day(), today.day());
    EXPECT_EQ(read.month(), today.month());
    EXPECT_EQ(read.year() % 100, today.year() % 100);
}

TEST(QtSessionTest, ProgramDirectoryHoldsTheProgram) {
    QtSession session(nullptr);
    const QFileInfo program(QCoreApplication::applicationFilePath());
    EXPECT_EQ(QString::fromStdString(session.programDirectory()), program.absolutePath());
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

TEST(SteadyClockTest, ReadingsAdvance) {
    SteadyClock clock;
    const std::uint64_t first = clock.seed();
    std::uint64_t next = clock.seed();
    while (next == first) {
        next = clock.seed();
    }
    EXPECT_GT(next, first);
}

}  // namespace
}  // namespace lurnatik::qt_test
