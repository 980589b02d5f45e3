#include <QElapsedTimer>
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
            texts.push_back(label_->text());
        }
        return false;
    }
    std::vector<QString> texts;

  private:
    QLabel* label_;
};

using LakutRepaintTest = WindowTest;

// A run of many throws asks for a repaint after each; the label paints about once
// a frame, each time with the count of that moment, and the window stays alive.
TEST_F(LakutRepaintTest, RepaintsAreCoalescedToFrames) {
    auto* lakut = widget<QLabel>("lakut");
    PaintRecorder recorder(lakut);
    QElapsedTimer clock;
    clock.start();
    long throws = 0;
    while (clock.elapsed() < 300) {
        form.lakut.caption = std::to_string(++throws);
        form.lakut.repaint();
    }
    const qint64 elapsed = clock.elapsed();
    const auto* repainter = window->lakutRepainter();
    ASSERT_NE(repainter, nullptr);
    ASSERT_GE(recorder.texts.size(), 3u);
    EXPECT_LE(static_cast<qint64>(repainter->paints()), elapsed / 16 + 2);
    EXPECT_GE(repainter->keepAlives(), 2u);
    // Each paint showed a later count than the one before.
    long previous = 0;
    for (const QString& text : recorder.texts) {
        const long shown = text.toLong();
        EXPECT_GT(shown, previous);
        previous = shown;
    }
    EXPECT_LT(previous, throws + 1);
}

// The first request of an event shows the whole window at once, so a run shows its
// set-up before it throws on; later requests bring lakut alone up to date.
TEST_F(LakutRepaintTest, TheFirstRequestShowsTheWholeWindow) {
    form.okstart.caption = "Weiter";
    form.lakut.caption = "1";
    form.lakut.repaint();
    EXPECT_EQ(widget<QLabel>("lakut")->text(), "1");
    EXPECT_EQ(widget<QPushButton>("okstart")->text(), "Weiter");
    form.lzahl.caption = "17";
    form.lakut.repaint();
    EXPECT_EQ(widget<QLabel>("lzahl")->text(), "");
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
