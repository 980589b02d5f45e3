#include "qt/qt_printer.h"

#include <algorithm>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include "platform/number_item.h"
#include "qt/qt_convert.h"

namespace lurnatik {
namespace {

// A position this close to a column counts as standing on it: the sums of
// advances that lead there carry rounding.
constexpr qreal kColumnTolerance = 1e-6;

// In the first of documents, home and the temporary directory that exists. A
// directory whose name is not UTF-8 reaches Qt garbled and never exists.
QString outputFileSuggestion() {
    const QString folders[] = {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                               QDir::homePath()};
    QString chosen = QDir::tempPath();
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            chosen = folder;
            break;
        }
    }
    return QDir(chosen).filePath(QStringLiteral("lurnatik1.pdf"));
}

bool askPrintToFile(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral(" Drucken"),
                    QStringLiteral("Es ist kein Drucker eingerichtet.\n"
                                   "Soll stattdessen in eine PDF-Datei gedruckt werden ?"),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

bool choosePdfFile(QPrinter& printer, QWidget* parent) {
    const QString file = QFileDialog::getSaveFileName(
        parent, QStringLiteral(" Drucken in eine PDF-Datei"), printer.outputFileName(),
        QStringLiteral("PDF-Dateien (*.pdf)"));
    if (file.isEmpty()) {
        return false;
    }
    printer.setOutputFileName(file);
    return true;
}

}  // namespace

QtPrinter::QtPrinter(QWidget* window, const QLocale& locale) : window_(window), locale_(locale) {
    defaultOutputFile = outputFileSuggestion();
    printerInstalled = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    confirmPrintToFile = [this] { return askPrintToFile(window_); };
    runSetupDialog = [this](QPrinter& printer) {
        // Without a printer only a file can take the print. The Windows print
        // dialog offers no PDF file and, with no printer, does not even open;
        // so the file's name is asked for alone, on every system alike.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printerInstalled()) {
            return choosePdfFile(printer, window_);
        }
        QPrintDialog dialog(&printer, window_);
        return dialog.exec() == QDialog::Accepted;
    };
    reportFailure = [this](const QString& message) {
        QMessageBox::warning(window_, QStringLiteral(" Drucken"), message);
    };
}

QFont QtPrinter::defaultFont() {
    // The face of office printers, or one of the same widths: the report's title
    // then ends well within the page, where the wider desktop face reaches its
    // right edge.
    QFont font(firstInstalled({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(12);
    return font;
}

QtPrinter::~QtPrinter() {
    if (painter_) {
        painter_->end();
    }
}

void QtPrinter::showSetupDialog() {
    showDialog();
}

bool QtPrinter::showDialog() {
    const bool noPrinter = !printerInstalled();
    const bool noFile = printer_.outputFileName().isEmpty();
    // Without a printer the dialog can only print to a file; it needs a file name
    // to offer, or it offers a directory and fails when accepted.
    if (noPrinter && noFile) {
        printer_.setOutputFileName(defaultOutputFile);
    }
    const bool accepted = runSetupDialog(printer_);
    if (accepted && printer_.outputFormat() == QPrinter::PdfFormat &&
        !printer_.outputFileName().isEmpty()) {
        fileForOneJob_ = true;
    } else if (noPrinter && noFile) {
        printer_.setOutputFileName(QString());
    }
    return accepted;
}

bool QtPrinter::hasTarget() {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        return !printer_.outputFileName().isEmpty();
    }
    return printerInstalled();
}

bool QtPrinter::beginJob() {
    if (job_ != Job::None) {
        return job_ == Job::Printing;
    }
    job_ = Job::Discarded;
    if (!hasTarget() && !(confirmPrintToFile() && showDialog() && hasTarget())) {
        return false;
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) {
        reportFailure(
            printer_.outputFormat() == QPrinter::PdfFormat
                ? QStringLiteral("Die Datei %1 kann nicht geschrieben werden.")
                      .arg(QDir::toNativeSeparators(printer_.outputFileName()))
                : QStringLiteral("Der Drucker %1 ist nicht bereit.").arg(printer_.printerName()));
        return false;
    }
    painter_ = std::move(painter);
    job_ = Job::Printing;
    x_ = 0;
    y_ = 0;
    return true;
}

QFontMetricsF QtPrinter::metrics() const {
    // Against the printer: the screen's metrics would squeeze the columns.
    return QFontMetricsF(font_, &printer_);
}

qreal QtPrinter::lineStep() const {
    // The face's own spacing, but no more than 1.2 times its size: some faces
    // (Nimbus Sans) claim so much room above their letters that the 52 lines of
    // the report would no longer fit one page.
    const qreal size = font_.pointSizeF() * printer_.logicalDpiY() / 72.0;
    return std::min(metrics().lineSpacing(), 1.2 * size);
}

void QtPrinter::setFontSize(double points) {
    font_.setPointSizeF(points);
}

void QtPrinter::setBold(bool on) {
    font_.setBold(on);
}

void QtPrinter::setUnderline(bool on) {
    font_.setUnderline(on);
}

void QtPrinter::makeRoomForLine() {
    if (y_ > 0 && y_ + lineStep() > printer_.height()) {
        printer_.newPage();
        y_ = 0;
    }
}

void QtPrinter::moveToColumn(int column) {
    if (!beginJob()) {
        return;
    }
    const qreal target = (column < 1 ? 0 : column - 1) * metrics().averageCharWidth();
    if (x_ > target + kColumnTolerance) {
        y_ += lineStep();
    }
    x_ = target;
}

void QtPrinter::write(const QString& text) {
    if (!beginJob() || text.isEmpty()) {
        return;
    }
    makeRoomForLine();
    const QFontMetricsF m = metrics();
    painter_->setFont(font_);
    painter_->drawText(QPointF(x_, y_ + m.ascent()), text);
    x_ += m.horizontalAdvance(text);
}

void QtPrinter::writeText(std::string_view text) {
    write(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtPrinter::writeNumber(double value) {
    write(QString::fromStdString(numberItem(value, locale_.decimalPoint().toStdString())));
}

void QtPrinter::writeDate() {
    write(locale_.toString(QDate::currentDate(), QLocale::ShortFormat));
}

void QtPrinter::endLine() {
    if (!beginJob()) {
        return;
    }
    y_ += lineStep();
    x_ = 0;
}

void QtPrinter::endJob() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    finishJob();
}

void QtPrinter::abortJob() {
    if (painter_) {
        // A printer may still drop the pages; a PDF file cannot, and half a report
        // in it would pass for a whole one.
        printer_.abort();
        painter_->end();
        painter_.reset();
        if (printer_.outputFormat() == QPrinter::PdfFormat) {
            QFile::remove(printer_.outputFileName());
        }
    }
    finishJob();
}

void QtPrinter::finishJob() {
    job_ = Job::None;
    x_ = 0;
    y_ = 0;
    if (fileForOneJob_) {
        // The next job goes to the printer, or without one asks again, offering
        // the same file.
        defaultOutputFile = printer_.outputFileName();
        printer_.setOutputFileName(QString());
        fileForOneJob_ = false;
    }
}

void QtPrinter::printWindowImage() {
    if (job_ != Job::None) {
        endJob();
    }
    if (window_ == nullptr) {
        return;
    }
    // The window as it stands, with the controls shown in it (info box, import
    // panel), taken before any dialog of the job can come in between.
    const QPixmap image = window_->grab();
    if (beginJob()) {
        const QSizeF page(printer_.width(), printer_.height());
        const QSizeF size = QSizeF(image.size()).scaled(page, Qt::KeepAspectRatio);
        // Lossless, or the PDF stores the window as a blurred JPEG.
        painter_->setRenderHint(QPainter::LosslessImageRendering);
        painter_->drawPixmap(QRectF(QPointF(0, 0), size), image, QRectF(image.rect()));
    }
    endJob();
}

}  // namespace lurnatik
