// The real printer, writing PDF files that are read back with poppler's tools:
// the report's words must stand in their columns, the window image must be there
// whole and lossless.

#include "qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <map>
#include <utility>

#include "program/program.h"
#include "qt/main_window.h"
#include "qt/qt_message_box.h"
#include "support/fake_platform.h"

namespace lurnatik {
namespace {

struct Word {
    QString text;
    double x;  // points from the left edge of the page
    double y;
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of the PDF with its position, as pdftotext -bbox finds it.
std::vector<Word> wordsOf(const QString& pdf) {
    const QString html = run("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

// The title print queues and PDF readers show for the file.
QString titleOf(const QString& pdf) {
    static const QRegularExpression title("^Title: +(.*)$", QRegularExpression::MultilineOption);
    return title.match(run("pdfinfo", {pdf})).captured(1);
}

// The real printer, and the program on the scripted platform printing on it.
class QtPrinterTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QtPrinter printer{nullptr, QLocale(QLocale::German, QLocale::Germany)};
    testing::FakePlatform fake;
    Platform platform{fake.messageBox, fake.clock, fake.locale, fake.files, printer, fake.session};
    Program program{platform};
    Form1& form = program.form;

    void SetUp() override {
        QProcess poppler;  // a Windows program under Wine cannot start Linux programs
        poppler.start("pdftotext", {"-v"});
        if (!poppler.waitForFinished(30000)) {
            GTEST_SKIP() << "pdftotext (poppler-utils) cannot be started: no PDF can be read back";
        }
        fake.session.directory = dir.path().toStdString();  // no info file there
        program.startUp();
        fake.messageBox.answers.assign(2, Answer::Nein);  // printing at once, no setup dialog
    }

    QString printToFile(const QString& name) {
        const QString path = dir.filePath(name);
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(path);
        return path;
    }
    QRectF paintRect() { return printer.device().pageLayout().paintRect(QPageLayout::Point); }
    // The column of a word of the 12 pt font, measured as the printer measures:
    // a column is as wide as an average character of the font.
    double columnOf(const Word& w, bool bold = false) {
        QFont font = printer.font();
        font.setPointSizeF(12);
        font.setBold(bold);
        const double pitch = QFontMetricsF(font, &printer.device()).averageCharWidth() * 72.0 /
                             printer.device().resolution();
        return (w.x - paintRect().left()) / pitch + 1;
    }
};

TEST_F(QtPrinterTest, TheTableStandsInItsColumnsAndNumbersUseTheUsersSeparator) {
    form.textanzahl.setText("300");
    form.Option1.select(1);
    form.okstart.click();
    form.textanzahl.setText("400.5");
    const QString pdf = printToFile("report.pdf");
    form.okdruck.click();
    EXPECT_EQ(run("pdftotext", {pdf, "-"}).count('\f'), 1) << "one page";
    std::vector<Word> words = wordsOf(pdf);
    std::map<QString, Word> first;  // the first word of each text
    for (const Word& w : words) {
        first.emplace(w.text, w);
    }
    const std::tuple<const char*, int, bool> placed[] = {
        {"ZAHL", 15, false},  {"ANZAHL", 25, false}, {"2fach", 35, false},
        {"3fach", 45, false}, {"Anzahl", 15, false}, {"Datum:", 15, true}};
    for (const auto& [text, column, bold] : placed) {
        ASSERT_EQ(first.count(text), 1u) << text;
        EXPECT_NEAR(columnOf(first[text], bold), column, 0.05) << text;
    }
    EXPECT_NEAR(first["3fach"].y, first["ZAHL"].y, 0.5) << "on the heading line";
    EXPECT_EQ(first.count("400,5"), 1u);
    EXPECT_EQ(titleOf(pdf), "Ausdruck Figuren1");

    // The 37 rows under the heading, line by line.
    std::ranges::sort(words, {}, [](const Word& w) { return std::pair(std::lround(w.y), w.x); });
    int r = 0;
    double total = 0;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        const Word& count = words[i + 1];  // in column 25 on the same line
        if (words[i].y > first["ZAHL"].y + 1 && std::abs(columnOf(words[i]) - 15) < 0.05) {
            EXPECT_EQ(words[i].text, QString::number(r));
            EXPECT_NEAR(columnOf(count), 25, 0.05);
            EXPECT_NEAR(count.y, words[i].y, 0.5);
            EXPECT_EQ(count.text.toStdString(), form.tabelle1.cell(r++, 1).text);
            total += count.text.toDouble();
        }
    }
    EXPECT_EQ(r, 37);
    EXPECT_EQ(total, 300);
}

// A text that runs past the next column moves it to the next line; a job longer
// than a page goes on on fresh pages.
TEST_F(QtPrinterTest, LinesMoveOnAtAColumnPassedAndPagesAtTheBottom) {
    const QString pdf = printToFile("long.pdf");
    printer.moveToColumn(5);
    printer.writeText("WWWWWWWWWW");
    printer.moveToColumn(8);
    printer.writeText("danach");
    printer.endLine();
    for (int i = 1; i <= 150; ++i) {
        printer.moveToColumn(3);
        printer.writeText("Zeile" + std::to_string(i));
        printer.endLine();
    }
    printer.endJob();
    EXPECT_GE(run("pdftotext", {pdf, "-"}).count('\f'), 3) << "pages";
    const std::vector<Word> words = wordsOf(pdf);
    ASSERT_EQ(words.size(), 152u) << "every line lands on a page";
    EXPECT_GT(words[1].y, words[0].y + 1);
    EXPECT_NEAR(columnOf(words[1]), 8, 0.05);
    for (std::size_t i = 2; i < words.size(); ++i) {
        EXPECT_LT(words[i].y, paintRect().bottom()) << words[i].text.toStdString();
        EXPECT_NEAR(columnOf(words[i]), 3, 0.05);
    }
}

// A job that cannot begin is reported once, a job cut off leaves no file; either
// is dropped and the next job begins afresh. Without a window no image is printed.
TEST_F(QtPrinterTest, AFailedOrCutOffJobIsDroppedAndTheNextBeginsAfresh) {
    const QString none = printToFile("none.pdf");
    printer.printWindowImage();
    EXPECT_FALSE(QFile::exists(none));
    QStringList failures;
    printer.reportFailure = [&](const QString& message) { failures << message; };
    printToFile("fehlt/bericht.pdf");
    for (int i = 0; i < 3; ++i) {
        printer.writeText("nichts");
    }
    printer.endJob();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("bericht.pdf")) << failures[0].toStdString();
    const QString cut = printToFile("cut.pdf");
    printer.writeText("eins");
    printer.abortJob();
    EXPECT_FALSE(QFile::exists(cut)) << "no half report left";
    const QString pdf = printToFile("next.pdf");
    printer.writeText("zwei");
    printer.endJob();
    EXPECT_EQ(run("pdftotext", {pdf, "-"}).simplified(), "zwei");
    EXPECT_EQ(failures.size(), 1);
}

// A PDF that a full disk cuts short is reported with its file and the reason;
// the older file of its name stays as it was, and no part of the new one is
// left. With room again the new file replaces it.
TEST_F(QtPrinterTest, AFullDiskKeepsTheOlderFileAndSaysSo) {
    const QString disk = dir.filePath("disk");
    ASSERT_TRUE(QDir().mkdir(disk));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", disk}) != 0) {
        GTEST_SKIP() << "no small tmpfs to fill could be mounted here (needs root and mount)";
    }
    const struct Unmount {
        QString path;
        ~Unmount() { QProcess::execute("umount", {"-l", path}); }
    } unmount{disk};
    const QByteArray older = "%PDF-1.4 der Bericht von gestern\n%%EOF\n";
    QFile oldFile(disk + "/bericht.pdf");
    ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly) && oldFile.write(older) == older.size());
    oldFile.close();
    QFile filler(disk + "/voll");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) {
    }
    filler.close();
    const struct {
        const char* name;
        bool full;
        QStringList files;
    } rows[] = {{"full", true, {"bericht.pdf", "voll"}}, {"room again", false, {"bericht.pdf"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.full) {
            filler.remove();
        }
        QStringList failures;
        printer.reportFailure = [&](const QString& message) { failures << message; };
        printToFile("disk/bericht.pdf");
        printer.writeText("Heute");
        printer.endJob();
        EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden, QDir::Name), row.files);
        if (row.full) {
            ASSERT_EQ(failures.size(), 1);
            EXPECT_EQ(failures[0], "Die Datei " + disk + "/bericht.pdf wurde nicht gedruckt.\n" +
                                       "Der Datenträger ist voll.");
            ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
            EXPECT_EQ(oldFile.readAll(), older);
            oldFile.close();
        } else {
            EXPECT_EQ(failures, QStringList());
            EXPECT_EQ(run("pdftotext", {oldFile.fileName(), "-"}).simplified(), "Heute");
        }
    }
}

// The program's own window, printed through okcopy: the image fills the width
// of the page at the window's aspect, lossless; where the info box lies in the
// window, the copy is peach only while the box is shown.
TEST_F(QtPrinterTest, TheCopyIsTheWholeWindowWithTheInfoBoxWhenShown) {
    MainWindow window;
    printer.setWindow(&window);
    window.bind(form);
    window.show();
    // Info shown, zoom, width of the image in pixels.
    const std::tuple<bool, double, int> copies[] = {{false, 1.0, 638}, {true, 2.0, 1276}};
    for (const auto& [infoShown, zoom, width] : copies) {
        SCOPED_TRACE(zoom);
        if (infoShown) {
            form.okinfo.click();
            window.syncFromModel();
        }
        // Zoomed, the copy is the window as shown, at its zoom.
        window.zoomTo(zoom);
        const QString pdf = printToFile(QString::number(zoom) + ".pdf");
        form.okcopy.click();
        // The colour of the copy rendered at 30 dpi, in the middle of the info
        // box; twips over 15 are pixels of the window at 100 %.
        run("pdftoppm", {"-png", "-r", "30", "-singlefile", pdf, pdf + "-page"});
        const double pointsPerTwip = paintRect().width() / window.width() * window.zoom() / 15.0;
        const QPointF middle =
            paintRect().topLeft() + QPointF(3285 + 3525 / 2, 225 + 5910 / 2) * pointsPerTwip;
        const QColor c = QImage(pdf + "-page.png").pixelColor((middle * 30 / 72).toPoint());
        const int fromPeach =
            std::abs(c.red() - 255) + std::abs(c.green() - 224) + std::abs(c.blue() - 192);
        EXPECT_TRUE(infoShown ? fromPeach <= 6 : fromPeach > 30) << fromPeach;
        const QStringList lines = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 3) << "a heading of two lines and one image";
        // page num type width height color comp bpc enc ...
        const QStringList fields = lines[2].simplified().split(' ');
        EXPECT_NEAR(fields[3].toDouble() / fields[4].toDouble(), 9570.0 / 7155.0, 0.01);
        EXPECT_EQ(fields[3].toInt(), width);
        EXPECT_NE(fields[8], "jpeg") << "stored lossless";
        EXPECT_EQ(titleOf(pdf), "Ausdruck Tendenz1");
    }
}

// Without a printer each job asks whether to print to a file unless the setup
// dialog was shown for it; the dialog offers the file; a file offered or chosen
// there serves one job alone and is offered next; a cancelled setup dialog tells
// there is no printer.
TEST_F(QtPrinterTest, AFileServesOneJobAndWithoutAPrinterEachJobAsks) {
    const struct Job {
        bool installed, setupDialog, accept, answer;
        const char* chosen;  // a file the user picks in the dialog
        int questions, dialogs;
        const char* printed;  // the file the job wrote
    } jobs[] = {{false, false, true, true, nullptr, 1, 1, "angebot.pdf"},
                {false, false, true, false, nullptr, 2, 1, nullptr},
                {false, true, true, false, nullptr, 2, 2, "angebot.pdf"},
                {false, true, false, false, nullptr, 3, 3, nullptr},
                {true, true, true, false, "gewaehlt.pdf", 3, 4, "gewaehlt.pdf"},
                {false, true, true, false, nullptr, 3, 5, "gewaehlt.pdf"},
                {true, false, true, false, nullptr, 3, 5, nullptr}};
    const Job* job = nullptr;
    int questions = 0;
    int dialogs = 0;
    printer.defaultOutputFile = dir.filePath("angebot.pdf");
    printer.printerInstalled = [&] { return job->installed; };
    printer.confirmPrintToFile = [&] { return ++questions, job->answer; };
    printer.runSetupDialog = [&](QPrinter& p) {
        EXPECT_EQ(p.outputFileName(), job->installed ? "" : printer.defaultOutputFile);
        if (job->chosen != nullptr) {
            p.setOutputFileName(dir.filePath(job->chosen));
        }
        return ++dialogs, job->accept;
    };
    for (job = jobs; job != std::end(jobs); ++job) {
        SCOPED_TRACE(job - jobs);
        if (job->setupDialog) {
            printer.showSetupDialog();
        }
        printer.writeText("Hallo");
        printer.endJob();
        // Qt on a machine without printers asks beside a printer said to be installed.
        if (!job->installed) {
            EXPECT_EQ(questions, job->questions);
        }
        EXPECT_EQ(dialogs, job->dialogs);
        for (const QString file : {"angebot.pdf", "gewaehlt.pdf"}) {
            EXPECT_EQ(QFile::remove(dir.filePath(file)), file == job->printed)
                << file.toStdString();
        }
    }
}

// Runs `act` once a modal dialog of type T is open, queued (from the timer it could
// hang in a further modal loop). Past the deadline the test fails and rejects any
// dialog open, so that no modal loop waits for ever; the polls end with `owner`.
template <typename T>
void whenOpen(QObject& owner, std::function<void(T*)> act) {
    auto* timer = new QTimer(&owner);
    QObject::connect(timer, &QTimer::timeout, [timer, act, deadline = QDeadlineTimer(10000)] {
        QWidget* open = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(open)) {
            timer->stop();
            QMetaObject::invokeMethod(
                dialog, [dialog, act] { act(dialog); }, Qt::QueuedConnection);
        } else if (deadline.hasExpired()) {
            timer->stop();
            ADD_FAILURE() << "no " << T::staticMetaObject.className() << " within 10 s";
            if (auto* other = qobject_cast<QDialog*>(open)) {
                other->reject();
            }
        }
    });
    timer->start(20);
}

// Clicks the button of that text; returns what the box showed: its title, text,
// icon, buttons in the order of their texts and default button.
QString answer(QMessageBox* box, const QString& click) {
    QStringList buttons;
    QAbstractButton* clicked = box->buttons().value(0);  // no box is left open
    for (QAbstractButton* b : box->buttons()) {
        buttons << b->text();
        clicked = b->text() == click ? b : clicked;
    }
    buttons.sort();
    const auto* fallback = box->defaultButton();
    const QString seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                                     buttons.join(','), fallback ? fallback->text() : ""}
                             .join('|');
    clicked->click();
    return seen;
}

// The program's questions in a real message box, and the printer's without a
// printer: title, text, icon, buttons with their access keys J, N, A and the
// default one as asked; each button clicked gives its answer.
TEST(QtMessageBoxTest, RealDialogsAnswerAsClicked) {
    QtMessageBox messageBox(nullptr);
    QtPrinter printer(nullptr);
    const auto asksAbort = [&](int style) {
        return [&, style] {
            return messageBox.ask("Abbruch bitte bestätigen !     ", " Abbruch", style);
        };
    };
    const auto toFile = [&] { return printer.confirmPrintToFile() ? Answer::Ja : Answer::Nein; };
    const QString abortSeen = QString::fromUtf8(" Abbruch|Abbruch bitte bestätigen !     |");
    const QString toFileSeen =
        " Drucken|Es ist kein Drucker eingerichtet.\nSoll stattdessen in eine PDF-Datei gedruckt "
        "werden ?|";
    const std::tuple<std::function<Answer()>, const char*, Answer, QString> cases[] = {
        {asksAbort(36), "&Ja", Answer::Ja, abortSeen + "%1|&Ja,&Nein|&Ja"},
        {asksAbort(36), "&Nein", Answer::Nein, abortSeen + "%1|&Ja,&Nein|&Ja"},
        {asksAbort(35), "&Ja", Answer::Ja, abortSeen + "%1|&Abbrechen,&Ja,&Nein|&Ja"},
        {asksAbort(35), "&Abbrechen", Answer::Abbrechen, abortSeen + "%1|&Abbrechen,&Ja,&Nein|&Ja"},
        {toFile, "&Ja", Answer::Ja, toFileSeen + "%1|&Ja,&Nein|&Ja"},
        {toFile, "&Nein", Answer::Nein, toFileSeen + "%1|&Ja,&Nein|&Ja"},
    };
    for (const auto& [ask, click, answered, expected] : cases) {
        SCOPED_TRACE(expected.toStdString() + " " + click);
        QObject polls;
        QString seen;
        whenOpen<QMessageBox>(polls, [&](QMessageBox* box) { seen = answer(box, click); });
        EXPECT_EQ(ask(), answered);
        EXPECT_EQ(seen, expected.arg(QMessageBox::Question));
    }
}

TEST(QtPrinterFileTest, TheOfferedFileLiesInADirectoryThatExists) {
    if (QSysInfo::kernelType() == "winnt") {
        GTEST_SKIP() << "Windows names files in UTF-16: no home directory in other bytes";
    }
    const QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) + "/Gr\xF6\xDF" + "e";  // Windows-1252
    ASSERT_TRUE(QDir().mkdir(dir.filePath("tmp")));
    ASSERT_TRUE(std::filesystem::create_directory(home.toStdString()));
    std::map<const char*, QByteArray> surroundings = {
        {"HOME", home},
        {"XDG_CONFIG_HOME", home},
        {"TMPDIR", QFile::encodeName(dir.filePath("tmp"))}};
    for (auto& [name, value] : surroundings) {  // then what was set (unset as empty)
        qputenv(name, std::exchange(value, qgetenv(name)));
    }
    const QString offered = QtPrinter(nullptr).defaultOutputFile;
    for (const auto& [name, value] : surroundings) {
        qputenv(name, value);
    }
    std::filesystem::remove(home.toStdString());  // a name QTemporaryDir cannot decode
    EXPECT_EQ(offered, dir.filePath("tmp/lurnatik1.pdf")) << "home is not UTF-8";
}

}  // namespace
}  // namespace lurnatik
