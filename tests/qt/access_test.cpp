// Closing, and the binding's lifetimes, through the real window.
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

// The desktop's close request asks as Ende does, once the running event has ended.
class CloseTest : public WindowTest {
  protected:
    // A close request comes in; a message box open then answers nothing.
    void requestClose() {
        const auto request = [this] {
            ++closeRequests;
            window->close();
            if (QWidget* box = QApplication::activeModalWidget()) {
                QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
            }
        };
        QMetaObject::invokeMethod(window.get(), request, Qt::QueuedConnection);
    }
    int closeRequests = 0;
};

TEST_F(CloseTest, AsksAsEndeDoesWhenTheRunningEventEnds) {
    const auto messageBox = [] {
        QMessageBox box;
        QTimer::singleShot(10000, &box, &QDialog::reject);  // a safety net
        box.exec();
    };
    const struct {
        const char* name;
        std::function<void()> wait;  // how the running event lets the close through
        Answer answer;
    } rows[] = {
        {"idle", nullptr, Answer::Ja},
        {"a long run",
         [&] {
             for (QDeadlineTimer deadline(10000); closeRequests == 0 && !deadline.hasExpired();) {
                 form.lakut.caption = std::to_string(deadline.remainingTime());
                 form.lakut.repaint();
             }
         },
         Answer::Nein},
        {"a message box", messageBox, Answer::Nein},
        {"two requests in a message box", [&] { requestClose(), messageBox(); }, Answer::Nein}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fake.messageBox.asked.clear();
        fake.messageBox.answers = {row.answer};
        closeRequests = 0;
        if (row.wait == nullptr) {
            EXPECT_FALSE(window->close());
        } else {
            form.okcopy.onClick = [&] {
                requestClose();
                row.wait();
                EXPECT_TRUE(fake.messageBox.asked.empty()) << "asked while the event ran";
            };
            QTest::mouseClick(widget("okcopy"), Qt::LeftButton);
        }
        ASSERT_EQ(fake.messageBox.asked.size(), 1u);
        EXPECT_EQ(fake.messageBox.asked[0].title, " Beenden");
        EXPECT_EQ(fake.session.quitted, row.answer == Answer::Ja);
        fake.session.quitted = false;
    }
}

TEST(LifetimeTest, TheRepainterWorksAgainAfterASyncThatFailed) {
    Label lakut{"lakut"};
    QWidget parent;
    LabelBinding binding(lakut, &parent);
    int syncs = 0;
    LakutRepainter repainter(binding,
                             [&] { ++syncs == 1 ? throw std::runtime_error("") : void(); });
    EXPECT_THROW(repainter.request(), std::runtime_error);
    repainter.eventEnded();
    repainter.request();
    EXPECT_EQ(syncs, 2);
}

// Blanks at the end of a caption are no part of what a centred label centres.
TEST_F(WindowTest, TrailingBlanksDoNotShiftACentredLabel) {
    const auto shown = [this](const char* caption) {
        form.lzahl.caption = caption;
        window->syncFromModel();
        return widget("lzahl")->grab().toImage();
    };
    EXPECT_EQ(shown("17"), shown("17    "));
}

}  // namespace
}  // namespace lurnatik::qt_test
