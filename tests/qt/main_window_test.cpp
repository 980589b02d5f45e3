#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaEnum>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>

#include "platform/paths.h"
#include "qt/grid_view.h"
#include "qt/program_icon.h"
#include "qt/qt_convert.h"
#include "qt/qt_session.h"
#include "support/temp_dir.h"
#include "window_fixture.h"

namespace lurnatik::qt_test {
namespace {

// Every control is a widget named as the control, inside the frame for the
// controls of the import panel, at the model's twips over 15, with the model's
// tooltip, states and caption, and an accessible name of its own (the places
// are checked at every zoom in look_test.cpp).
TEST_F(WindowTest, EveryControlIsAWidgetAsTheModelHasIt) {
    auto* frame = widget(form.Frame1.name());
    QSet<QString> names;
    for (const Control* c : form.controls()) {
        SCOPED_TRACE(c->name());
        QWidget* w = widget(c->name());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), c->container != nullptr ? frame : window.get());
        EXPECT_EQ(w->toolTip().toStdString(), c->tooltip);
        EXPECT_EQ(w->isEnabled(), c->enabled);
        EXPECT_EQ(w->isVisible(), c->shown());
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a->text(QAccessible::Name);
        names.insert(name.isEmpty() ? a->text(QAccessible::Description) : name);
        if (w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QGroupBox")) {
            const char* caption = w->inherits("QGroupBox") ? "title" : "text";
            EXPECT_EQ(w->property(caption).toString(), captionText(c->caption));
        }
    }
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(names.size(), static_cast<qsizetype>(form.controls().size()));
    EXPECT_EQ(window->pos(), QPoint(60, 107));
    EXPECT_EQ(window->windowTitle().toStdString(), form.caption);
    EXPECT_EQ(widget<QLabel>("text")->text().split('\n').size(), 4) << "carriage returns break";
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(widget("okstart")->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::ToolTipBase));
    // The fonts are the nearest installed faces.
    const QFont okstart = widget("okstart")->font();
    EXPECT_EQ(QFontInfo(okstart).family(), "DejaVu Sans");
    EXPECT_TRUE(QFontInfo(okstart).bold());
    EXPECT_NEAR(QFontInfo(okstart).pointSizeF(), 9.75, 0.75);
    EXPECT_FALSE(QFontInfo(widget("okresetl")->font()).bold());
    for (const char* name : {"tabelle1", "tabelle2", "Label11", "Label13", "Label14"}) {
        EXPECT_TRUE(QFontInfo(widget(name)->font()).fixedPitch()) << name;
    }
}

// The focus chain visits the usable tab stops in the model's order (the keys
// that go along it are in the user paths below).
TEST_F(WindowTest, TheFocusChainFollowsTheTabOrder) {
    auto stop = [this](const QWidget* w) {
        const Control* c = form.find(w->objectName().toStdString());
        return c != nullptr && c->tabIndex >= 0 && (w->focusPolicy() & Qt::TabFocus) &&
               w->isEnabled() && w->isVisible();
    };
    std::vector<std::pair<int, std::string>> expected, visited;
    for (const Control* c : form.controls()) {
        if (stop(widget(c->name()))) {
            expected.emplace_back(c->tabIndex, c->name());
        }
    }
    std::ranges::sort(expected);
    QWidget* w = widget("textanzahl");
    do {
        if (stop(w)) {
            const Control* c = form.find(w->objectName().toStdString());
            visited.emplace_back(c->tabIndex, c->name());
        }
        w = w->nextInFocusChain();
    } while (w != widget("textanzahl"));
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(visited.back().second, "tabelle1");
}

TEST_F(WindowTest, AWindowThatGoesFirstTakesItsRepaintHookWithIt) {
    window.reset();
    EXPECT_FALSE(static_cast<bool>(form.lakut.repaintRequest));
    form.lakut.repaint();  // must not reach the window that is gone
}

// The app makes the window first and the program last, so the program goes first.
TEST(TeardownTest, TheProgramMayGoBeforeItsWindow) {
    testing::FakePlatform fake;
    MainWindow window;
    auto program = std::make_unique<Program>(fake.platform);
    program->startUp();
    window.bind(program->form);
    window.show();
    program->form.okextern.click();  // a panel open
    program.reset();
    EXPECT_EQ(window.findChild<QWidget*>("okstart"), nullptr);
    // Nothing the window does later reaches the form that is gone.
    window.syncFromModel();
    window.zoomTo(1.5);
    EXPECT_TRUE(window.close()) << "nothing left to ask";
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
    MainWindow window;
    window.show();
    QtSession session(&window);
    QTimer::singleShot(0, [&] { session.quit(); });
    QTimer safety;  // goes with the test, not ending a later test's event loop
    safety.callOnTimeout([] { QCoreApplication::exit(1); });
    safety.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
}

class UserInputTest : public WindowTest {
  protected:
    // Each check, split by '|', reads a widget's property ("okstart.enabled=false")
    // or a colour of its palette ("haltbei.Base=#ffffff").
    void expectShown(const QString& checks) {
        for (const QString& check : checks.split('|')) {
            const QStringList part = check.section('=', 0, 0).split('.');
            const QByteArray property = part[1].toLatin1();
            const int role = QMetaEnum::fromType<QPalette::ColorRole>().keyToValue(property);
            QWidget* w = widget(part[0].toStdString());
            const QString read = role >= 0 ? w->palette().color(QPalette::ColorRole(role)).name()
                                           : w->property(property).toString();
            EXPECT_EQ(read, check.section('=', 1)) << check.toStdString();
        }
    }
};

// A user path: its steps, split by blanks, click a control ("okstart"), type into
// one ("textanzahl<250") or, on the focused widget, type digits ("10") or press
// keys ("Shift+Backtab"); then the widgets show what the handlers left.
struct UserPath {
    const char* name;
    const char* steps;
    const char* shown;
};

class UserPathTest : public UserInputTest, public ::testing::WithParamInterface<UserPath> {};

TEST_P(UserPathTest, WidgetsShowWhatTheHandlersLeft) {
    fake.session.directory = "/nonexistent";  // no info file
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const QString& step : QString(GetParam().steps).split(' ', Qt::SkipEmptyParts)) {
        const QStringList part = step.split('<');
        QWidget* w = window->findChild<QWidget*>(part[0]);
        const QKeyCombination key = QKeySequence(step)[0];
        if (w == nullptr) {
            step.front().isDigit()
                ? QTest::keyClicks(QApplication::focusWidget(), step)
                : QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        } else {
            part.size() > 1 ? QTest::keyClicks(w, part[1]) : QTest::mouseClick(w, Qt::LeftButton);
        }
    }
    expectShown(GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, UserPathTest,
    ::testing::Values(
        UserPath{"AtStartUp", "",
                 "okstart.enabled=false|okabbrechen.enabled=false|okdruck.enabled=false|"
                 "haltbei.enabled=false|okexternok.enabled=false|okcopy.enabled=true|"
                 "okinfo.enabled=true|okende.enabled=true|okextern.enabled=true|"
                 "textanzahl.enabled=true|Frame1.visible=false|infotext.visible=false|"
                 "File1.visible=false|Option1(0).checked=true|textanzahl.text=|"
                 "haltbei.text=|textanzahl.accessibleName=Anzahl Würfe|"
                 "lakut.Window=#c0ffc0|textanzahl.Base=#c0ffc0|"
                 "lrot.Window=#ffe0c0|Label6.WindowText=#0000c0|Option1(1).Window=#e0e0e0"},
        UserPath{"ATextThatCannotStartARunDisappears", "textanzahl<250 textanzahl<\b\b\b0",
                 "textanzahl.text=|okstart.enabled=false"},
        UserPath{"HaltBeiOpensInWhite", "Option1(2)", "haltbei.enabled=true|haltbei.Base=#ffffff"},
        // Rotation/37 with fewer than 37 throws left falls back to Einzelschritt
        // at once; the buttons show what the handler chose.
        UserPath{"Rotation37FallsBack", "Option1(3)",
                 "Option1(0).checked=true|Option1(3).checked=false|haltbei.enabled=false"},
        UserPath{"ARunShowsItsCount", "textanzahl<100 Option1(1) okstart",
                 "lakut.text=100|okstart.enabled=false|okdruck.enabled=true"},
        UserPath{"InfoShowsItsBox", "okinfo",
                 "infotext.visible=true|okinfo.text=Ende Info|infotext.plainText=Problem:\n"
                 "Kann die Datei Info_Lurnatik1.txt nicht finden."},
        UserPath{"EndeInfoHidesIt", "okinfo okinfo", "infotext.visible=false"},
        // Rotation/37 with fewer than 37 throws falls back to Einzelschritt, and the
        // focus with it, so the next arrow selects Durchlauf.
        UserPath{"ArrowsSelectAfterAFallBack", "10 Tab Down Down Down",
                 "Option1(1).focus=true|Option1(1).checked=true|lakut.text="},
        // At the halt throw the program selects Einzelschritt; going back from Start,
        // the focus lands on it.
        UserPath{"BackToTheModeTheProgramChose",
                 "100 Tab Down Down Down Tab 2 Tab Space Shift+Backtab Down",
                 "Option1(1).focus=true|Option1(1).checked=true|lakut.text=2"},
        UserPath{"KeypadEnterPressesAButton", "5 Tab Tab Num+Enter",
                 "okstart.focus=true|Option1(0).checked=true|lakut.text=1"}),
    [](const auto& info) { return std::string(info.param.name); });

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
    QTest::keyClicks(edit, "x5");
    EXPECT_EQ(form.textanzahl.text(), "12354") << "the 5 where the x was";
}

// Clicks that arrive while a handler lets the window's events through (the
// keep-alive of a long run) are handled only after that handler has ended, in
// the order they came.
TEST_F(UserInputTest, AnEventDuringAHandlerWaitsForItsEnd) {
    bool running = false;
    bool delivered = false;
    std::vector<std::string> handled;  // which, and whether the other handler ran then
    auto* ende = widget<QPushButton>("okende");
    auto* info = widget<QPushButton>("okinfo");
    form.okende.onClick = [&] { handled.push_back(running ? "ende running" : "ende"); };
    form.okinfo.onClick = [&] { handled.push_back(running ? "info running" : "info"); };
    form.okcopy.onClick = [&] {
        running = true;
        const auto deliver = [&] { ende->click(), info->click(), delivered = true; };
        QMetaObject::invokeMethod(ende, deliver, Qt::QueuedConnection);
        // A long run asks for repaints until its keep-alive has let the click through.
        for (const QDeadlineTimer deadline(10000); !delivered && !deadline.hasExpired();) {
            form.lakut.caption = "1";
            form.lakut.repaint();
        }
        EXPECT_TRUE(delivered) << "the click came through during the run";
        running = false;
    };
    QTest::mouseClick(widget("okcopy"), Qt::LeftButton);
    for (const QDeadlineTimer deadline(10000); handled.empty() && !deadline.hasExpired();) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    }
    EXPECT_EQ(handled, (std::vector<std::string>{"ende", "info"})) << "each once, after the run";
}

// Dir1 on a real directory highlights the open directory; it and the way to it
// have the open-folder icon, its subdirectories the closed one. A double-click or
// Return opens an entry, a drive chosen opens its root; refilling the file list
// chooses no file.
TEST_F(UserInputTest, Dir1ShowsTheOpenDirectoryAndOpensWhatIsChosen) {
    testing::TempDir dir;
    dir.makeDirectory("alt/tief");
    dir.makeDirectory("neu");
    dir.write("neu/b.txt", "");
    form.Dir1.setPath(dir.path());
    QTest::mouseClick(widget("okextern"), Qt::LeftButton);
    auto* dirs = widget<QListWidget>("Dir1");
    // The root is always on the way; its icon is the open one, whatever the style's look.
    const QImage open = dirs->item(0)->icon().pixmap(13).toImage();
    const auto shown = [&] {  // each entry, "+" with the open icon, "*" selected
        QString all;
        for (int i = 0; i < dirs->count(); ++i) {
            const bool opened = dirs->item(i)->icon().pixmap(13).toImage() == open;
            all += dirs->item(i)->text() + (opened ? "+" : "-") +
                   (dirs->item(i)->isSelected() ? "*" : "") + " ";
        }
        return all;
    };
    QStringList parts;  // the way from the root, in the system's path syntax
    for (const std::string& part : pathComponents(dir.path())) {
        parts << QString::fromStdString(part);
    }
    const QString way =
        QString::fromStdString(std::string(pathRoot(dir.path()))) + "+ " + parts.join("+ ") + "+";
    EXPECT_EQ(shown(), way + "* alt- neu- ");
    dirs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dirs, Qt::Key_Down);
    QTest::keyClick(dirs, Qt::Key_Return);
    EXPECT_EQ(shown(), way + " alt+* tief- ");
    doubleClick(dirs->viewport(), dirs->visualItemRect(dirs->item(parts.size())).center());
    EXPECT_EQ(shown(), way + "* alt- neu- ");
    doubleClick(dirs->viewport(), dirs->visualItemRect(dirs->item(parts.size() + 2)).center());
    EXPECT_EQ(shown(), way + " neu+* ");
    expectShown("File1.count=1|File1.currentRow=-1|okexternok.enabled=false");
    EXPECT_TRUE(widget<QListWidget>("File1")->selectedItems().isEmpty());
    form.Drive1.items.push_back(dir.file("alt"));  // a drive mounted there
    window->syncFromModel();
    auto* drives = widget<QComboBox>("Drive1");
    emit drives->activated(drives->count() - 1);
    EXPECT_EQ(shown(), way + " alt+* tief- ");
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
    for (const auto& [tabs, text] : {std::pair(11, "10"), std::pair(2, " ")}) {
        for (int i = 0; i < tabs; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
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
    std::vector<int> handled;
    EventDispatch dispatch([&] {
        if (handled.size() == 1) {
            throw std::runtime_error("update failed");
        }
    });
    dispatch.run([&] { handled.push_back(1); });
    dispatch.run([&] { handled.push_back(2); });
    EXPECT_EQ(handled, (std::vector<int>{1, 2}));
}

// The grids as drawn and clicked, and lakut repainted during a long run.
class GridTest : public WindowTest {
  protected:
    QTableView* t1() const { return widget<QTableView>("tabelle1"); }
    QTableView* t2() const { return widget<QTableView>("tabelle2"); }

    // A point inside a cell clear of its text, its grid lines and the frame of the
    // current cell.
    static QPoint clear(QTableView* view, int row, int col) {
        return cellRect(view, row, col).topLeft() + QPoint(2, 5);
    }
    // The colour drawn at a point of the viewport.
    static QColor drawnAt(QTableView* view, QPoint at) {
        return QColor(view->viewport()->grab().toImage().pixel(at));
    }
};

// Both grids show all 37 rows without scroll bars or headers, the cells centred
// at the top (their rows level with each other at every zoom in look_test.cpp),
// in the colours of the design.
TEST_F(GridTest, LayoutAndColoursAsDrawn) {
    for (const auto& [view, widths] :  // columns of 450, 700, 600, 600 and 400 twips
         {std::pair{t1(), std::vector{30, 47, 40, 40}}, {t2(), {27}}}) {
        SCOPED_TRACE(view->objectName().toStdString());
        EXPECT_FALSE(view->verticalScrollBar()->isVisible());
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
        EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(view->horizontalHeader()->isVisible());
        EXPECT_FALSE(view->verticalHeader()->isVisible());
        ASSERT_EQ(view->model()->rowCount(), 37);
        for (std::size_t c = 0; c < widths.size(); ++c) {
            EXPECT_EQ(view->columnWidth(int(c)), widths[c]) << "column " << c;
        }
    }
    EXPECT_EQ(t1()->model()->index(5, 2).data(Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignHCenter | Qt::AlignTop));
    EXPECT_EQ(drawnAt(t2(), clear(t2(), 10, 0)), QColor(192, 255, 192));
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 10, 0)), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 10, 1)), QApplication::palette().color(QPalette::Base));
    // The grid line under a cell of column 1.
    const QRect cell = cellRect(t1(), 10, 1);
    EXPECT_EQ(drawnAt(t1(), QPoint(cell.center().x() + 15, cell.bottom())), QColor(192, 192, 192));
    // A marked number.
    clickRow(7);
    window->syncFromModel();
    EXPECT_EQ(drawnAt(t1(), clear(t1(), 7, 0)), QColor(192, 255, 192));
}

// A click, also a double-click or a drag, is one click of its own grid, with
// RowSel the row under the pointer where the button went up.
TEST_F(GridTest, EachClickReachesItsGridWithTheRowReleasedOn) {
    std::vector<int> clicks;
    form.tabelle1.onClick = [&] { clicks.push_back(form.tabelle1.rowSel); };
    form.tabelle2.onClick = [&] { clicks.push_back(100 + form.tabelle2.rowSel); };
    const QRect last = cellRect(t1(), 36, 3);
    for (const QPoint at :
         {cellRect(t1(), 0, 0).center(), cellRect(t1(), 36, 3).center(),
          cellRect(t1(), 20, 2).center(), QPoint(last.center().x(), last.bottom() + 2)}) {
        QTest::mouseClick(t1()->viewport(), Qt::LeftButton, {}, at);
    }
    doubleClick(t1()->viewport(), cellRect(t1(), 4, 0).center());
    QTest::mousePress(t1()->viewport(), Qt::LeftButton, {}, cellRect(t1(), 3, 1).center());
    QTest::mouseMove(t1()->viewport(), cellRect(t1(), 5, 1).center());
    QTest::mouseRelease(t1()->viewport(), Qt::LeftButton, {}, cellRect(t1(), 7, 1).center());
    QTest::mouseClick(t2()->viewport(), Qt::LeftButton, {}, cellRect(t2(), 9, 0).center());
    EXPECT_EQ(clicks, (std::vector<int>{0, 36, 20, 36, 4, 7, 109}));
}

TEST_F(GridTest, RedrawsOnlyWhenTheGridChanged) {
    QSignalSpy changes(t1()->model(), &QAbstractItemModel::dataChanged);
    window->syncFromModel();
    window->syncFromModel();
    EXPECT_EQ(changes.count(), 0);
    form.tabelle1.setRow(12);
    form.tabelle1.setCol(2);
    form.tabelle1.setText("4");
    window->syncFromModel();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(t1()->model()->index(12, 2).data().toString(), "4");
    EXPECT_EQ(dynamic_cast<GridView*>(t1())->highlight(), t1()->model()->index(12, 2));
}

// What a label or a button shows each time it paints, and at which throw.
struct PaintLog : QObject {
    PaintLog(const Form1& form, std::initializer_list<QWidget*> widgets) : form(form) {
        for (QWidget* w : widgets) {
            w->installEventFilter(this);
        }
    }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString text = object->property("text").toString();
            shown.push_back((object->objectName() + ": " + text).toStdString());
            throws.push_back(form.state.wurfnr);
        }
        return false;
    }
    // The throw at which `text` was first painted, or -1.
    double firstAt(const std::string& text) const {
        const auto at = std::find(shown.begin(), shown.end(), text);
        return at == shown.end() ? -1 : throws[std::size_t(at - shown.begin())];
    }
    const Form1& form;
    std::vector<std::string> shown;
    std::vector<double> throws;
};

// A click runs throws that each take a fixed time on a clock of the test's own and
// ask for a repaint; the first shows the whole window (a caption the click set), later
// ones paint lakut alone (never lzahl) at most once a frame, checking the clock
// every 64 requests, and let the window's own events through every 50 ms.
TEST_F(WindowTest, RepaintsAreCoalescedToFrames) {
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

// The first paint of a long run, by the real handlers, shows its set-up. A paint
// the run did not ask for (the window uncovered or maximised, each time the run
// lets the window's events through) shows the grid at the throw the counters
// show: the counts of tabelle1 add up to Rot, Schwarz and the zeros.
TEST_F(WindowTest, ALongRunShowsItsSetUpAndOneThrowEverywhere) {
    qint64 now = 0;  // a clock of the test's own: lets events through every 3,200 throws
    window->lakutRepainter()->setClock([&now] { return now += 1'000'000; });
    QTest::keyClicks(widget("textanzahl"), "20000");
    QTest::mouseClick(widget("Option1(1)"), Qt::LeftButton);
    PaintLog log(form, {widget("okstart"), widget("text"), widget("lakut")});
    const auto count = [this](const char* label) { return widget<QLabel>(label)->text().toInt(); };
    std::vector<int> apart;  // the grid's counts less Rot, Schwarz and the zeros
    QTimer uncover;
    QObject::connect(&uncover, &QTimer::timeout, [&] {
        const QAbstractItemModel* cells = widget<QTableView>("tabelle1")->model();
        int sum = -count("lrot") - count("lschwarz") - cells->index(0, 1).data().toInt();
        for (int row = 0; row < 37; ++row) {
            sum += cells->index(row, 1).data().toInt();
        }
        apart.push_back(sum);
    });
    uncover.start(0);
    QTest::mouseClick(widget("okstart"), Qt::LeftButton);
    uncover.stop();
    EXPECT_EQ(log.firstAt("okstart: Weiter"), 1);
    EXPECT_EQ(log.firstAt("text: " + testing::kRandomText), 1);
    EXPECT_EQ(log.firstAt("lakut: 1"), 1);
    EXPECT_EQ(widget<QLabel>("lakut")->text(), "20000");
    ASSERT_GE(apart.size(), 2u) << "the run let the window's events through";
    EXPECT_EQ(apart, std::vector<int>(apart.size(), 0));
}

}  // namespace
}  // namespace lurnatik::qt_test
