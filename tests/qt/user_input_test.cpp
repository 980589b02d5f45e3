#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <chrono>

#include "support/temp_dir.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

using UserInputTest = WindowTest;

// The box shows what the handler left: a count enables Start, a text that cannot
// begin one disappears.
TEST_F(UserInputTest, TypingReachesTextanzahl) {
    QTest::keyClicks(widget("textanzahl"), "250");
    EXPECT_EQ(form.textanzahl.text(), "250");
    EXPECT_EQ(form.state.sollwuerfe, 250);
    EXPECT_TRUE(widget("okstart")->isEnabled());
    QTest::keyClick(widget("textanzahl"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget("textanzahl"), "0");
    EXPECT_EQ(form.textanzahl.text(), "");
    EXPECT_EQ(widget<QLineEdit>("textanzahl")->text(), "");
    EXPECT_FALSE(widget("okstart")->isEnabled());
}

TEST_F(UserInputTest, CursorStaysWhereTheUserTypedWhenAHandlerRewrites) {
    // A handler that drops every letter x.
    form.textanzahl.onChange = [&] {
        std::string t = form.textanzahl.text();
        std::erase(t, 'x');
        form.textanzahl.setText(t);
    };
    auto* edit = widget<QLineEdit>("textanzahl");
    QTest::keyClicks(edit, "1234");
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(edit->text(), "1234");
    EXPECT_EQ(edit->cursorPosition(), 3);
    QTest::keyClicks(edit, "5");
    EXPECT_EQ(form.textanzahl.text(), "12354");
}

TEST_F(UserInputTest, ChoosingAnOptionSelectsItsMode) {
    QTest::mouseClick(widget("Option1(2)"), Qt::LeftButton);
    EXPECT_EQ(form.Option1.selected(), 2);
    EXPECT_TRUE(widget("haltbei")->isEnabled());
    EXPECT_EQ(widget("haltbei")->palette().color(QPalette::Base), QColor(255, 255, 255));

    // Rotation/37 with fewer than 37 throws left falls back to Einzelschritt at
    // once; the buttons show what the handler chose.
    QTest::mouseClick(widget("Option1(3)"), Qt::LeftButton);
    EXPECT_EQ(form.Option1.selected(), 0);
    EXPECT_TRUE(widget<QRadioButton>("Option1(0)")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Option1(3)")->isChecked());
    EXPECT_FALSE(widget("haltbei")->isEnabled());
}

TEST_F(UserInputTest, ARunShowsItsCountsAfterTheClick) {
    QTest::keyClicks(widget("textanzahl"), "100");
    QTest::mouseClick(widget("Option1(1)"), Qt::LeftButton);
    QTest::mouseClick(widget("okstart"), Qt::LeftButton);
    EXPECT_EQ(widget<QLabel>("lakut")->text(), "100");
    EXPECT_FALSE(widget("okstart")->isEnabled());
    EXPECT_TRUE(widget("okdruck")->isEnabled());
    EXPECT_TRUE(widget<QLabel>("text")->text().endsWith("***  ENDE  *** "));
    int total = 0;
    for (int r = 0; r < 37; ++r) {
        total += widget<QTableView>("tabelle1")->model()->index(r, 1).data().toInt();
    }
    EXPECT_EQ(total, 100);
}

// An event that arrives while a handler runs a nested event loop waits until that
// handler has ended.
TEST_F(UserInputTest, AnEventDuringAHandlerWaitsForItsEnd) {
    bool running = false;
    std::vector<bool> deliveredWhileRunning;
    std::vector<bool> handledWhileRunning;
    form.okcopy.onClick = [&] {
        running = true;
        // A long run: the forced repaint lets the window's own events through.
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
        while (std::chrono::steady_clock::now() < end) {
            form.lakut.caption = "1";
            form.lakut.repaint();
        }
        running = false;
    };
    form.okende.onClick = [&] { handledWhileRunning.push_back(running); };
    auto* ende = widget<QPushButton>("okende");
    QTimer::singleShot(20, ende, [&] {
        deliveredWhileRunning.push_back(running);
        ende->click();
    });
    QTest::mouseClick(widget("okcopy"), Qt::LeftButton);
    QTest::qWait(50);
    ASSERT_EQ(deliveredWhileRunning, std::vector<bool>{true});
    EXPECT_EQ(handledWhileRunning, std::vector<bool>{false});
}

TEST_F(UserInputTest, InfoTextShowsInItsBox) {
    fake.session.directory = "/nonexistent";
    QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
    auto* box = widget<QTextBrowser>("infotext");
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->toPlainText().startsWith("Problem:\n"));
    EXPECT_EQ(widget<QPushButton>("okinfo")->text(), "Ende Info");
    QTest::mouseClick(widget("okinfo"), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
}

TEST_F(UserInputTest, ImportListsShowTheirEntriesAndPassOnClicksDoubleClicksAndDrives) {
    std::vector<std::string> drives;
    std::vector<int> opened;
    std::vector<int> fileClicks;
    form.Frame1.visible = true;
    form.Drive1.items = {"/", "/mnt/a"};
    form.Drive1.onChange = nullptr;
    form.Drive1.setDrive("/");
    form.Drive1.onChange = [&] { drives.push_back(form.Drive1.drive()); };
    form.Dir1.items = {"/", "daten", "alt", "neu"};
    form.Dir1.pathEntries = 2;
    form.Dir1.listIndex = 1;
    form.Dir1.onOpen = [&](int index) { opened.push_back(index); };
    form.File1.items = {"a.txt", "b.txt", "c.TXT"};
    form.File1.onClick = [&] { fileClicks.push_back(form.File1.listIndex); };
    window->syncFromModel();

    auto* combo = widget<QComboBox>("Drive1");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), "/");
    auto* dirs = widget<QListWidget>("Dir1");
    ASSERT_EQ(dirs->count(), 4);
    EXPECT_EQ(dirs->item(3)->text(), "neu");
    EXPECT_EQ(dirs->currentRow(), 1);
    auto* files = widget<QListWidget>("File1");
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(files->item(2)->text(), "c.TXT");
    EXPECT_EQ(files->currentRow(), -1);
    EXPECT_TRUE(drives.empty());
    EXPECT_TRUE(fileClicks.empty());

    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(files->item(1)).center());
    ASSERT_FALSE(fileClicks.empty());
    EXPECT_EQ(fileClicks.back(), 1);
    EXPECT_EQ(form.File1.fileName(), "b.txt");

    doubleClick(dirs->viewport(), dirs->visualItemRect(dirs->item(2)).center());
    EXPECT_EQ(opened, std::vector<int>{2});
    emit combo->activated(1);
    EXPECT_EQ(drives, std::vector<std::string>{"/mnt/a"});
    EXPECT_EQ(form.Drive1.drive(), "/mnt/a");
}

// OK reads the file the list highlights, whatever moved the highlight there; a
// click anywhere in the list, on a file or not, is a click on File1.
TEST_F(UserInputTest, OkReadsTheHighlightedFileWhateverMovedTheHighlight) {
    QTest::mouseClick(widget("okextern"), Qt::LeftButton);
    auto* files = widget<QListWidget>("File1");
    auto* view = files->viewport();
    auto at = [files](int row) { return files->visualItemRect(files->item(row)).center(); };
    auto expectSame = [&](const char* step) {
        EXPECT_EQ(form.File1.listIndex, files->currentRow()) << step;
    };
    form.File1.items = {"a.txt", "b.txt", "c.txt"};
    window->syncFromModel();

    QTest::mousePress(view, Qt::LeftButton, {}, at(0));
    QTest::mouseMove(view, at(2));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(2));
    expectSame("pressed on one file, released on another");
    EXPECT_EQ(form.File1.fileName(), "c.txt");
    QTest::mousePress(view, Qt::LeftButton, {}, at(1));
    QTest::mouseMove(view, at(0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(-20, -20));
    expectSame("released outside the list");
    doubleClick(view, at(1));
    expectSame("double-click");
    QTest::keyClick(files, Qt::Key_Up);
    expectSame("key");
    form.File1.items.assign(10000, "z.txt");
    window->syncFromModel();
    QTest::keyClick(files, Qt::Key_End);
    expectSame("10,000 files");
    EXPECT_EQ(form.File1.listIndex, 9999);
    EXPECT_TRUE(form.okexternok.enabled);

    form.File1.items.clear();
    window->syncFromModel();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(form.okexternok.enabled) << "a click in the empty list";
}

// After a mouse click on Import, the keys that would start a run behind the panel
// (Tab to textanzahl, 10, Tab to Start, Space) start none; the file imported then
// replays from its first spin.
TEST_F(UserInputTest, KeysDoNotReachTheControlsUnderTheOpenPanel) {
    testing::TempDir dir;
    dir.write("p.txt", "Spielbank Hamburg\r\nTisch 1\r\nJan\r\nx\r\n7\r\n8\r\n");
    form.Dir1.setPath(dir.path());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(widget("okextern"), Qt::LeftButton);
    EXPECT_TRUE(widget("Frame1")->isAncestorOf(QApplication::focusWidget()));
    EXPECT_FALSE(widget("okcopy")->isEnabled()) << "no mouse or keys under the panel";
    auto keys = [](int tabs, const char* text) {
        for (int i = 0; i < tabs; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    keys(11, "10");
    keys(2, " ");
    EXPECT_EQ(s.wurfnr, 0) << "no run started";
    ASSERT_FALSE(form.Frame1.visible) << "Space was on Abbr.";
    QWidget* back = QApplication::focusWidget();
    EXPECT_TRUE(back->isVisible() && back->isEnabled()) << "the focus came back to the window";

    QTest::mouseClick(widget("okextern"), Qt::LeftButton);
    auto* files = widget<QListWidget>("File1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(files->item(0)).center());
    QTest::mouseClick(widget("okexternok"), Qt::LeftButton);
    ASSERT_EQ(s.importmodus, 1);
    EXPECT_EQ(QApplication::focusWidget(), widget("textanzahl")) << "Import is disabled now";
    QTest::mouseClick(widget("okstart"), Qt::LeftButton);
    EXPECT_EQ(widget<QLabel>("lzahl")->text(), "7") << "the replay begins at spin 1";
}

// A window update that fails leaves the dispatch free for the events after it.
TEST(EventDispatch, AFailedUpdateLeavesLaterEventsToRun) {
    int updates = 0;
    std::vector<int> handled;
    EventDispatch dispatch([&] {
        if (++updates == 1) {
            throw std::runtime_error("update failed");
        }
    });
    dispatch.run([&] { handled.push_back(1); });
    EXPECT_FALSE(dispatch.busy());
    dispatch.run([&] { handled.push_back(2); });
    EXPECT_EQ(handled, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace lurnatik::qt_test
