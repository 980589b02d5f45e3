#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

// What a label or a button shows each time it paints, and at which throw.
class PaintLog : public QObject {
  public:
    PaintLog(const Form1& form, std::initializer_list<QWidget*> widgets) : form_(form) {
        for (QWidget* w : widgets) {
            w->installEventFilter(this);
        }
    }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto* label = qobject_cast<QLabel*>(object);
            const QString text =
                label ? label->text() : static_cast<QAbstractButton*>(object)->text();
            shown.push_back((object->objectName() + ": " + text).toStdString());
            throws.push_back(form_.state.wurfnr);
        }
        return false;
    }
    // The throw at which `text` was first painted, or -1.
    double firstAt(const std::string& text) const {
        const auto at = std::find(shown.begin(), shown.end(), text);
        return at == shown.end() ? -1 : throws[std::size_t(at - shown.begin())];
    }
    std::vector<std::string> shown;
    std::vector<double> throws;

  private:
    const Form1& form_;
};

using LakutRepaintTest = WindowTest;

// A click runs throws that each take a fixed time on a clock of the test's own and
// ask for a repaint; the first shows the whole window (a caption the click set), later
// ones paint lakut alone (never lzahl) at most once a frame, checking the clock
// every 64 requests, and let the window's own events through every 50 ms.
TEST_F(LakutRepaintTest, RepaintsAreCoalescedToFrames) {
    const struct {
        const char* name;
        qint64 nsPerThrow;
        long throws;
        std::vector<long> shown;
        unsigned long keepAlives;
    } rows[] = {{"a frame per check", 250'000, 513, {1, 65, 129, 193, 257, 321, 385, 449, 513}, 2},
                {"every other check", 220'000, 513, {1, 129, 257, 385, 513}, 2},
                {"slow throws", 1'000'000, 193, {1, 65, 129, 193}, 3}};
    LakutRepainter* repainter = window->lakutRepainter();
    ASSERT_NE(repainter, nullptr);
    qint64 now = 0;  // nanoseconds on the test's clock
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        now = 0;
        repainter->setClock([&now] { return now; });
        const unsigned long paints = repainter->paints();
        const unsigned long keepAlives = repainter->keepAlives();
        PaintLog log(form, {widget("lakut")});
        form.okinfo.onClick = [&] {
            form.okstart.caption = row.name;
            for (long throwNumber = 1; throwNumber <= row.throws; ++throwNumber) {
                now += row.nsPerThrow;
                form.lakut.caption = std::to_string(throwNumber);
                form.lakut.repaint();
                form.lzahl.caption = "17";
            }
            EXPECT_EQ(widget<QPushButton>("okstart")->text().toStdString(), row.name);
            EXPECT_EQ(widget<QLabel>("lzahl")->text().toStdString(), "");
        };
        QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
        std::vector<std::string> expected;
        for (const long throwNumber : row.shown) {
            expected.push_back("lakut: " + std::to_string(throwNumber));
        }
        EXPECT_EQ(log.shown, expected);
        EXPECT_EQ(repainter->paints() - paints, row.shown.size());
        EXPECT_EQ(repainter->keepAlives() - keepAlives, row.keepAlives);
        form.lzahl.caption = "";
    }
}

// The first paint of a long run, by the real handlers, shows its set-up.
TEST_F(LakutRepaintTest, ALongRunShowsItsSetUpBeforeItThrowsOn) {
    QTest::keyClicks(widget("textanzahl"), "20000");
    QTest::mouseClick(widget("Option1(1)"), Qt::LeftButton);
    PaintLog log(form, {widget("okstart"), widget("text"), widget("lakut")});
    QTest::mouseClick(widget("okstart"), Qt::LeftButton);
    EXPECT_EQ(log.firstAt("okstart: Weiter"), 1);
    EXPECT_EQ(log.firstAt("text: " + testing::kRandomText), 1);
    EXPECT_EQ(log.firstAt("lakut: 1"), 1);
    EXPECT_EQ(widget<QLabel>("lakut")->text(), "20000");
}

}  // namespace
}  // namespace lurnatik::qt_test
