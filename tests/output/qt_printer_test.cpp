// The real printer, writing PDF files that are read back with poppler's tools:
// the report's words must stand in their columns, the window image must be there
// whole and lossless.

#include "window/qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

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

QApplication& application() {
    static int argc = 1;
    static char name[] = "qt_printer_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Headless, also when ctest hands over only part of the environment.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return new QApplication(argc, argv);
    }();
    return *app;
}

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

int pageCount(const QString& pdf) {
    const QString info = run("pdfinfo", {pdf});
    static const QRegularExpression pages(R"(Pages:\s+(\d+))");
    return pages.match(info).captured(1).toInt();
}

class QtPrinterTest : public ::testing::Test {
  protected:
    QApplication& app = application();  // before any Qt object
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

class QtReportTest : public QtPrinterTest {
  protected:
    testing::FakePlatform fake;
    Platform platform{fake.messageBox, fake.clock, fake.locale, fake.files, printer, fake.session};
    Program program{platform};
    Form1& form = program.form;

    void SetUp() override {
        program.startUp();
        form.textanzahl.setText("300");
        form.Option1.select(1);
        form.okstart.click();
    }
    void printReport() {
        fake.messageBox.answers.push_back(Answer::Nein);
        form.okdruck.click();
    }
};

TEST_F(QtReportTest, TheTableStandsInItsColumns) {
    const QString pdf = printToFile("report.pdf");
    printReport();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pageCount(pdf), 1);

    const std::vector<Word> words = wordsOf(pdf);
    auto find = [&](const QString& text) {
        for (const Word& w : words) {
            if (w.text == text) {
                return w;
            }
        }
        ADD_FAILURE() << "no word " << text.toStdString();
        return Word{};
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

    // The 37 rows under the heading, in order, the number in column 15 and its
    // frequency in column 25.
    std::vector<Word> numbers;
    std::vector<Word> counts;
    for (const Word& w : words) {
        if (w.y > zahl.y + 1 && std::abs(columnOf(w) - 15) < 0.05) {
            numbers.push_back(w);
        }
        if (w.y > zahl.y + 1 && std::abs(columnOf(w) - 25) < 0.05) {
            counts.push_back(w);
        }
    }
    ASSERT_EQ(numbers.size(), 37u);
    double total = 0;
    for (int r = 0; r <= 36; ++r) {
        const Word& n = numbers[static_cast<std::size_t>(r)];
        EXPECT_EQ(n.text, QString::number(r));
        if (r > 0) {
            EXPECT_GT(n.y, numbers[static_cast<std::size_t>(r - 1)].y);
        }
        for (const Word& c : counts) {
            if (std::abs(c.y - n.y) < 0.5) {
                EXPECT_EQ(c.text.toStdString(), form.tabelle1.cell(r, 1).text) << "row " << r;
                total += c.text.toDouble();
            }
        }
    }
    EXPECT_EQ(total, 300);
}

TEST_F(QtReportTest, TheNumberItemsUseTheUsersDecimalSeparator) {
    form.textanzahl.setText("400.5");
    const QString pdf = printToFile("fraction.pdf");
    printReport();
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("400,5")) << text.toStdString();
}

TEST_F(QtPrinterTest, ALongJobGoesOnOnAFreshPage) {
    const QString pdf = printToFile("long.pdf");
    printer.setFontSize(12);
    for (int i = 1; i <= 150; ++i) {
        printer.moveToColumn(3);
        printer.writeText("Zeile" + std::to_string(i));
        printer.endLine();
    }
    printer.endJob();
    EXPECT_GE(pageCount(pdf), 3);
    const std::vector<Word> words = wordsOf(pdf);
    ASSERT_EQ(words.size(), 150u) << "every line lands on a page";
    const double bottom = printer.device().pageLayout().paintRect(QPageLayout::Point).bottom();
    for (const Word& w : words) {
        EXPECT_LT(w.y, bottom) << w.text.toStdString();
        EXPECT_NEAR(columnOf(w), 3, 0.05);
    }
}

TEST_F(QtPrinterTest, ATextPastTheColumnMovesToTheNextLine) {
    const QString pdf = printToFile("past.pdf");
    printer.setFontSize(12);
    printer.moveToColumn(5);
    printer.writeText("WWWWWWWWWW");
    printer.moveToColumn(8);
    printer.writeText("danach");
    printer.endJob();
    const std::vector<Word> words = wordsOf(pdf);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_GT(words[1].y, words[0].y + 1);
    EXPECT_NEAR(columnOf(words[1]), 8, 0.05);
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

// A window of known colours: red on the left half, blue on the right, and a
// label shown in it.
class WindowImageTest : public QtPrinterTest {
  protected:
    QWidget window;
    void SetUp() override {
        window.resize(638, 477);
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::red);
        window.setPalette(palette);
        auto* right = new QLabel(&window);
        right->setGeometry(319, 0, 319, 477);
        right->setAutoFillBackground(true);
        QPalette blue;
        blue.setColor(QPalette::Window, Qt::blue);
        right->setPalette(blue);
        printer.setWindow(&window);
    }
};

TEST_F(WindowImageTest, PrintsTheWindowLosslessAtItsAspect) {
    window.show();
    const QString pdf = printToFile("copy.pdf");
    printer.printWindowImage();
    const QStringList lines = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << "a heading of two lines and one image";
    const QStringList fields = lines[2].simplified().split(' ');
    // page num type width height color comp bpc enc ...
    const int width = fields[3].toInt();
    const int height = fields[4].toInt();
    EXPECT_NEAR(double(width) / height, 638.0 / 477.0, 0.01);
    EXPECT_GE(width, 638);
    EXPECT_NE(fields[8], "jpeg") << "stored lossless";

    // Rendered, the page shows the two halves side by side at the top left.
    run("pdftoppm", {"-png", "-r", "30", "-singlefile", pdf, dir.filePath("copy")});
    const QImage page(dir.filePath("copy.png"));
    ASSERT_FALSE(page.isNull());
    const double scale = 30.0 / 72.0;
    const QRectF area = printer.device().pageLayout().paintRect(QPageLayout::Point);
    const double imageWidth = area.width() * scale;
    const double imageHeight = imageWidth * 477.0 / 638.0;
    const int left = int(area.left() * scale);
    const int top = int(area.top() * scale);
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               6;
    };
    const QColor leftHalf = page.pixelColor(left + int(imageWidth / 4), top + int(imageHeight / 2));
    const QColor rightHalf =
        page.pixelColor(left + int(imageWidth * 3 / 4), top + int(imageHeight / 2));
    const QColor below = page.pixelColor(left + int(imageWidth / 2), top + int(imageHeight) + 5);
    EXPECT_TRUE(near(leftHalf, Qt::red)) << leftHalf.name().toStdString();
    EXPECT_TRUE(near(rightHalf, Qt::blue)) << rightHalf.name().toStdString();
    EXPECT_TRUE(near(below, Qt::white)) << below.name().toStdString();
}

TEST_F(WindowImageTest, WithoutAWindowNothingIsPrinted) {
    printer.setWindow(nullptr);
    const QString pdf = printToFile("none.pdf");
    printer.printWindowImage();
    EXPECT_FALSE(QFile::exists(pdf));
}

// The program's own window, printed through okcopy: the copy shows what the
// window shows, the info box included.
class ProgramCopyTest : public QtPrinterTest {
  protected:
    MainWindow window;
    testing::FakePlatform fake;
    Platform platform{fake.messageBox, fake.clock, fake.locale, fake.files, printer, fake.session};
    Program program{platform};
    Form1& form = program.form;

    void SetUp() override {
        fake.session.directory = dir.path().toStdString();  // no info file there
        printer.setWindow(&window);
        program.startUp();
        window.bind(form);
        window.show();
    }

    // Copy answered Nein, rendered at 30 dpi; the colour at a point of the window
    // given in twips.
    QColor copiedColourAt(const QString& name, int leftTwips, int topTwips) {
        const QString pdf = printToFile(name + ".pdf");
        fake.messageBox.answers.push_back(Answer::Nein);
        form.okcopy.click();
        run("pdftoppm", {"-png", "-r", "30", "-singlefile", pdf, dir.filePath(name)});
        const QImage page(dir.filePath(name + ".png"));
        const QRectF area = printer.device().pageLayout().paintRect(QPageLayout::Point);
        const double pointsPerPixel = area.width() / window.width();
        const double x = area.left() + leftTwips / 15.0 * pointsPerPixel;
        const double y = area.top() + topTwips / 15.0 * pointsPerPixel;
        return page.pixelColor(int(x * 30 / 72), int(y * 30 / 72));
    }
};

TEST_F(ProgramCopyTest, TheCopyIsTheWholeWindowWithTheInfoBoxWhenShown) {
    const QString pdf = printToFile("window.pdf");
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okcopy.click();
    const QStringList lines = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const QStringList fields = lines[2].simplified().split(' ');
    EXPECT_NEAR(fields[3].toDouble() / fields[4].toDouble(), 9570.0 / 7155.0, 0.01);

    // The middle of the info box, under its text: peach only while it is shown.
    const int left = 3285 + 3525 / 2;
    const int top = 225 + 5910 / 2;
    const QColor peach(255, 224, 192);
    auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    EXPECT_GT(distance(copiedColourAt("hidden", left, top), peach), 30);
    form.okinfo.click();
    window.syncFromModel();
    ASSERT_TRUE(form.infotext.visible);
    EXPECT_LE(distance(copiedColourAt("shown", left, top), peach), 6);
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

TEST_F(NoPrinterTest, DeclinedNothingIsPrinted) {
    answer = false;
    printALine();
    EXPECT_EQ(questions, 1) << "asked once for the whole job";
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(QFile::exists(printer.defaultOutputFile));
}

TEST_F(NoPrinterTest, AcceptedTheDialogOffersAFileAndTheJobGoesThere) {
    printALine();
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(offered, dir.filePath("angebot.pdf"));
    EXPECT_TRUE(QFile::exists(offered));

    // The file served that job; the next one asks again.
    printALine();
    EXPECT_EQ(questions, 2);
}

TEST_F(NoPrinterTest, TheSetupDialogNeedsNoFurtherQuestion) {
    printer.showSetupDialog();
    printALine();
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(QFile::exists(offered));
}

TEST_F(NoPrinterTest, ACancelledSetupDialogLeavesNoFileBehind) {
    printer.runSetupDialog = [this](QPrinter&) {
        ++dialogs;
        return false;
    };
    answer = false;
    printer.showSetupDialog();
    printALine();
    EXPECT_EQ(questions, 1) << "the user is told there is no printer";
    EXPECT_FALSE(QFile::exists(printer.defaultOutputFile));
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
