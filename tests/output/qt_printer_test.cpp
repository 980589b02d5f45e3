// The real printer, writing PDF files that are read back with poppler's tools:
// the report's words must stand in their columns, the window image must be there
// whole and lossless.

#include "window/qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <map>
#include <optional>

#include <sys/stat.h>

#include "support/fake_platform.h"
#include "window/program.h"
#include "window/qt/main_window.h"

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

// pdftotext ends every page with a form feed.
int pageCount(const QString& pdf) {
    return int(run("pdftotext", {pdf, "-"}).count('\f'));
}

class QtPrinterTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QtPrinter printer{nullptr, QLocale(QLocale::German, QLocale::Germany)};

    QString printToFile(const QString& name) {
        const QString path = dir.filePath(name);
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(path);
        return path;
    }

    // The left edge of the printable area and the column pitch of the 12 pt
    // font, in points, measured as the printer measures them.
    double leftEdge() { return printer.device().pageLayout().paintRect(QPageLayout::Point).left(); }
    // A column is as wide as an average character of the font in use.
    double pitch(bool bold = false) {
        QFont font = printer.font();
        font.setPointSizeF(12);
        font.setBold(bold);
        return QFontMetricsF(font, &printer.device()).averageCharWidth() * 72.0 /
               printer.device().resolution();
    }
    double columnOf(const Word& w, bool bold = false) {
        return (w.x - leftEdge()) / pitch(bold) + 1;
    }
};

// The program on the scripted platform, printing on the real printer.
class QtProgramTest : public QtPrinterTest {
  protected:
    testing::FakePlatform fake;
    Platform platform{fake.messageBox, fake.clock, fake.locale, fake.files, printer, fake.session};
    Program program{platform};
    Form1& form = program.form;

    void SetUp() override {
        fake.session.directory = dir.path().toStdString();  // no info file there
        program.startUp();
    }
    // Clicks the button answering Nein: no setup dialog.
    void clickNein(Button& button) {
        fake.messageBox.answers.push_back(Answer::Nein);
        button.click();
    }
};

using QtReportTest = QtProgramTest;

TEST_F(QtReportTest, TheTableStandsInItsColumnsAndNumbersUseTheUsersSeparator) {
    form.textanzahl.setText("300");
    form.Option1.select(1);
    form.okstart.click();
    form.textanzahl.setText("400.5");
    const QString pdf = printToFile("report.pdf");
    clickNein(form.okdruck);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pageCount(pdf), 1);

    const std::vector<Word> words = wordsOf(pdf);
    std::map<QString, Word> first;  // the first word of each text
    for (const Word& w : words) {
        first.emplace(w.text, w);
    }
    auto find = [&](const QString& text) {
        EXPECT_EQ(first.count(text), 1u) << "no word " << text.toStdString();
        return first[text];
    };
    const Word zahl = find("ZAHL");
    const std::pair<const char*, int> headings[] = {
        {"ZAHL", 15}, {"ANZAHL", 25}, {"2fach", 35}, {"3fach", 45}};
    for (const auto& [text, column] : headings) {
        const Word w = find(text);
        EXPECT_NEAR(columnOf(w), column, 0.05) << text;
        EXPECT_NEAR(w.y, zahl.y, 0.5) << text << " on the heading line";
    }
    EXPECT_NEAR(columnOf(find("Datum:"), true), 15, 0.05) << "in bold columns";
    EXPECT_NEAR(columnOf(find("Anzahl")), 15, 0.05);
    EXPECT_EQ(first.count("400,5"), 1u);

    // The 37 rows under the heading, top down: the number in column 15, its
    // frequency in column 25 on the same line.
    std::map<int, QString> numbers;
    std::map<int, QString> counts;  // by the line's height in half points
    for (const Word& w : words) {
        const int line = int(std::lround(w.y * 2));
        if (w.y > zahl.y + 1 && std::abs(columnOf(w) - 15) < 0.05) {
            numbers[line] = w.text;
        }
        if (w.y > zahl.y + 1 && std::abs(columnOf(w) - 25) < 0.05) {
            counts[line] = w.text;
        }
    }
    ASSERT_EQ(numbers.size(), 37u);
    int r = 0;
    double total = 0;
    for (const auto& [line, number] : numbers) {
        EXPECT_EQ(number, QString::number(r));
        EXPECT_EQ(counts[line].toStdString(), form.tabelle1.cell(r++, 1).text)
            << number.toStdString();
        total += counts[line].toDouble();
    }
    EXPECT_EQ(total, 300);
}

// A text that runs past the next column moves it to the next line; a job longer
// than a page goes on on fresh pages.
TEST_F(QtPrinterTest, LinesMoveOnAtAColumnPassedAndPagesAtTheBottom) {
    const QString pdf = printToFile("long.pdf");
    printer.setFontSize(12);
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
    EXPECT_GE(pageCount(pdf), 3);
    const std::vector<Word> words = wordsOf(pdf);
    ASSERT_EQ(words.size(), 152u) << "every line lands on a page";
    EXPECT_GT(words[1].y, words[0].y + 1);
    EXPECT_NEAR(columnOf(words[1]), 8, 0.05);
    const double bottom = printer.device().pageLayout().paintRect(QPageLayout::Point).bottom();
    for (std::size_t i = 2; i < words.size(); ++i) {
        EXPECT_LT(words[i].y, bottom) << words[i].text.toStdString();
        EXPECT_NEAR(columnOf(words[i]), 3, 0.05);
    }
}

TEST_F(QtPrinterTest, AJobThatCannotBeginIsReportedOnceAndDropped) {
    QStringList failures;
    printer.reportFailure = [&](const QString& message) { failures << message; };
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(dir.filePath("fehlt/bericht.pdf"));
    for (int i = 0; i < 3; ++i) {
        printer.moveToColumn(15);
        printer.writeText("nichts");
        printer.endLine();
    }
    printer.endJob();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("bericht.pdf")) << failures[0].toStdString();

    // The next job begins afresh.
    const QString pdf = printToFile("danach.pdf");
    printer.writeText("wieder");
    printer.endJob();
    EXPECT_EQ(failures.size(), 1);
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(QtPrinterTest, AJobCutOffIsDroppedAndTheNextBeginsAfresh) {
    const QString cut = printToFile("cut.pdf");
    printer.writeText("eins");
    printer.abortJob();
    EXPECT_FALSE(QFile::exists(cut)) << "no half report left";
    const QString pdf = printToFile("next.pdf");
    printer.writeText("zwei");
    printer.endJob();
    EXPECT_EQ(run("pdftotext", {pdf, "-"}).simplified(), "zwei");
}

TEST_F(QtPrinterTest, WithoutAWindowNoImageIsPrinted) {
    const QString pdf = printToFile("none.pdf");
    printer.printWindowImage();
    EXPECT_FALSE(QFile::exists(pdf));
}

// The program's own window, printed through okcopy: the copy shows what the
// window shows, the info box included.
class ProgramCopyTest : public QtProgramTest {
  protected:
    MainWindow window;

    void SetUp() override {
        printer.setWindow(&window);
        QtProgramTest::SetUp();
        window.bind(form);
        window.show();
    }
    // The copy, answered Nein; the PDF's path.
    QString copy(const QString& name) {
        const QString pdf = printToFile(name + ".pdf");
        clickNein(form.okcopy);
        return pdf;
    }
    // The copy rendered at 30 dpi: the colour at a point of the window in twips.
    QColor colourAt(const QString& pdf, int leftTwips, int topTwips) {
        run("pdftoppm", {"-png", "-r", "30", "-singlefile", pdf, pdf + "-page"});
        const QImage page(pdf + "-page.png");
        const QRectF area = printer.device().pageLayout().paintRect(QPageLayout::Point);
        // Twips over 15 are pixels of the window at 100 %.
        const double pointsPerPixel = area.width() / window.width() * window.zoom();
        const double x = area.left() + leftTwips / 15.0 * pointsPerPixel;
        const double y = area.top() + topTwips / 15.0 * pointsPerPixel;
        return page.pixelColor(int(x * 30 / 72), int(y * 30 / 72));
    }
};

// The image fills the width of the page at the window's aspect, lossless; where
// the info box lies in the window, the copy is peach only while the box is shown.
TEST_F(ProgramCopyTest, TheCopyIsTheWholeWindowWithTheInfoBoxWhenShown) {
    const QString hidden = copy("hidden");
    const QStringList lines = run("pdfimages", {"-list", hidden}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << "a heading of two lines and one image";
    // page num type width height color comp bpc enc ...
    const QStringList fields = lines[2].simplified().split(' ');
    EXPECT_NEAR(fields[3].toDouble() / fields[4].toDouble(), 9570.0 / 7155.0, 0.01);
    EXPECT_EQ(fields[3].toInt(), 638);
    EXPECT_NE(fields[8], "jpeg") << "stored lossless";

    const int left = 3285 + 3525 / 2;
    const int top = 225 + 5910 / 2;
    const QColor peach(255, 224, 192);
    auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    EXPECT_GT(distance(colourAt(hidden, left, top), peach), 30);
    form.okinfo.click();
    window.syncFromModel();
    ASSERT_TRUE(form.infotext.visible);
    // Zoomed, the copy is the window as shown, at its zoom.
    window.zoomTo(2.0);
    const QString shown = copy("shown");
    EXPECT_LE(distance(colourAt(shown, left, top), peach), 6);
    const QStringList zoomed = run("pdfimages", {"-list", shown}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zoomed.size(), 3);
    EXPECT_EQ(zoomed[2].simplified().split(' ')[3].toInt(), 1276);
}

// No printer installed: the user is asked, and the dialog offers a PDF file.
class NoPrinterTest : public QtPrinterTest {
  protected:
    int questions = 0;
    int dialogs = 0;
    bool answer = true;
    QString offered;

    void SetUp() override {
        printer.printerInstalled = [] { return false; };
        printer.confirmPrintToFile = [this] {
            ++questions;
            return answer;
        };
        printer.runSetupDialog = [this](QPrinter& p) {
            ++dialogs;
            offered = p.outputFileName();
            return true;
        };
        printer.defaultOutputFile = dir.filePath("angebot.pdf");
    }
    void printALine() {
        printer.moveToColumn(1);
        printer.writeText("Hallo");
        printer.endLine();
        printer.endJob();
    }
};

TEST_F(NoPrinterTest, EachJobAsksUnlessTheSetupDialogWasShown) {
    printALine();
    EXPECT_EQ(questions, 1) << "asked once for the whole job";
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(offered, dir.filePath("angebot.pdf"));
    EXPECT_TRUE(QFile::remove(offered));

    answer = false;
    printALine();
    EXPECT_EQ(questions, 2) << "the file served one job only";
    EXPECT_FALSE(QFile::exists(offered));

    printer.showSetupDialog();
    printALine();
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(QFile::remove(offered));

    // A cancelled setup dialog: the user is told there is no printer.
    printer.runSetupDialog = [](QPrinter&) { return false; };
    printer.showSetupDialog();
    printALine();
    EXPECT_EQ(questions, 3);
    EXPECT_FALSE(QFile::exists(offered));
}

// With a printer installed, a file chosen in the setup dialog serves that job
// alone: the next job printed at once does not write it again.
TEST_F(NoPrinterTest, AFileChosenBesideAPrinterServesOneJob) {
    printer.printerInstalled = [] { return true; };
    printer.runSetupDialog = [this](QPrinter& p) {
        p.setOutputFileName(dir.filePath("gewaehlt.pdf"));
        return true;
    };
    answer = false;
    printer.showSetupDialog();
    printALine();
    EXPECT_TRUE(QFile::remove(dir.filePath("gewaehlt.pdf")));
    printALine();
    EXPECT_FALSE(QFile::exists(dir.filePath("gewaehlt.pdf")));
    EXPECT_TRUE(printer.device().outputFileName().isEmpty()) << "back to the printer";
}

// Runs `act` once a modal dialog of type T is open, through a queued call, as a
// direct call from the timer could hang in a further modal loop.
template <typename T>
void whenOpen(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            QMetaObject::invokeMethod(
                dialog, [dialog, act] { act(dialog); }, Qt::QueuedConnection);
        }
    });
    timer->start();
}

TEST(QtPrinterFileTest, TheOfferedFileLiesInADirectoryThatExists) {
    const QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) +
                            "/Gr\xF6\xDF"
                            "e";  // Windows-1252
    ASSERT_TRUE(QDir().mkdir(dir.filePath("tmp")));
    ASSERT_EQ(::mkdir(home.constData(), 0700), 0);
    const std::map<const char*, QByteArray> surroundings = {
        {"HOME", home},
        {"XDG_CONFIG_HOME", home},
        {"TMPDIR", QFile::encodeName(dir.filePath("tmp"))}};
    std::map<const char*, std::optional<QByteArray>> saved;
    for (const auto& [name, value] : surroundings) {
        saved[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        qputenv(name, value);
    }
    const QString offered = QtPrinter(nullptr).defaultOutputFile;
    for (const auto& [name, value] : saved) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    EXPECT_EQ(offered, dir.filePath("tmp/lurnatik1.pdf")) << "home is not UTF-8";
}

TEST_F(QtPrinterTest, TheRealDialogsWithoutAPrinterPrintToTheOfferedFile) {
    printer.printerInstalled = [] { return false; };
    printer.defaultOutputFile = dir.filePath("echt.pdf");
    QString question;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == "&Ja") {
                b->click();
            }
        }
        whenOpen<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
    });
    printer.moveToColumn(2);
    printer.writeText("Gedruckt");
    printer.endJob();
    EXPECT_TRUE(question.contains("kein Drucker")) << question.toStdString();
    ASSERT_TRUE(QFile::exists(dir.filePath("echt.pdf")));
    EXPECT_TRUE(run("pdftotext", {dir.filePath("echt.pdf"), "-"}).contains("Gedruckt"));
}

}  // namespace
}  // namespace lurnatik
