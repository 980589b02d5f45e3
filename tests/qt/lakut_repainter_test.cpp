#include <QLabel>
#include <QPushButton>

#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

// Records the text a label shows each time it paints.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QLabel* label) : label_(label) { label->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            texts.push_back(label_->text().toLong());
        }
        return false;
    }
    std::vector<long> texts;

  private:
    QLabel* label_;
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
                {"every third check", 100'000, 1153, {1, 193, 385, 577, 769, 961, 1153}, 2},
                {"slow throws", 1'000'000, 193, {1, 65, 129, 193}, 3}};
    LakutRepainter* repainter = window->lakutRepainter();
    ASSERT_NE(repainter, nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        qint64 now = 0;
        repainter->setClock([&now] { return now; });
        const unsigned long paints = repainter->paints();
        const unsigned long keepAlives = repainter->keepAlives();
        PaintRecorder recorder(widget<QLabel>("lakut"));
        form.okinfo.onClick = [&] {
            form.okstart.caption = row.name;
            for (long throwNumber = 1; throwNumber <= row.throws; ++throwNumber) {
                now += row.nsPerThrow;
                form.lakut.caption = std::to_string(throwNumber);
                form.lakut.repaint();
                form.lzahl.caption = "17";
            }
            EXPECT_EQ(widget<QPushButton>("okstart")->text(), row.name);
            EXPECT_EQ(widget<QLabel>("lzahl")->text(), "");
        };
        QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
        EXPECT_EQ(recorder.texts, row.shown);
        EXPECT_EQ(repainter->paints() - paints, row.shown.size());
        EXPECT_EQ(repainter->keepAlives() - keepAlives, row.keepAlives);
        form.lzahl.caption = "";
    }
}

TEST(LakutRepaintHookTest, TheWindowDetachesItsHookWhenItGoes) {
    testing::FakePlatform fake;
    Program program(fake.platform);
    {
        MainWindow window;
        window.bind(program.form);
        EXPECT_TRUE(static_cast<bool>(program.form.lakut.repaintRequest));
    }
    EXPECT_FALSE(static_cast<bool>(program.form.lakut.repaintRequest));
    program.form.lakut.repaint();  // must not reach the window that is gone
}

}  // namespace
}  // namespace lurnatik::qt_test
