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
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>

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

// Qt ends every PDF with this mark; a file cut short by a full disk lacks it.
bool isWholePdf(const QString& path) {
    constexpr qint64 kTailBytes = 64;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
        return false;
    }
    file.seek(std::max<qint64>(0, file.size() - kTailBytes));
    return file.readAll().trimmed().endsWith("%%EOF");
}

// Copies the written PDF over `target` through a file beside it that takes the
// name only once it is on the disk whole. Returns why it failed, or nothing.
QString replaceWith(const QString& target, const QString& written) {
    QFile source(written);
    QSaveFile file(target);
    if (!source.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly)) {
        return source.isOpen() ? file.errorString() : source.errorString();
    }
    const QByteArray bytes = source.readAll();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
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

void QtPrinter::setJobName(std::string_view name) {
    printer_.setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// Printers come and go while the program runs: one set up since the last job is
// taken, one that went away gives way to the system's default.
void QtPrinter::useInstalledPrinter() {
    if (!printer_.outputFileName().isEmpty() ||
        !QPrinterInfo::printerInfo(printer_.printerName()).isNull()) {
        return;
    }
    QString name = QPrinterInfo::defaultPrinterName();
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (name.isEmpty() && !printers.isEmpty()) {
        name = printers.first().printerName();
    }
    if (!name.isEmpty()) {
        printer_.setPrinterName(name);
    }
}

bool QtPrinter::showDialog() {
    useInstalledPrinter();
    const bool noPrinter = !printerInstalled();
    const bool noFile = printer_.outputFileName().isEmpty();
    // Without a printer the dialog can only print to a file; it needs a file name
    // to offer, or it offers a directory and fails when accepted.
    if (noPrinter && noFile) {
        printer_.setOutputFileName(defaultOutputFile);
    }
    const bool accepted = runSetupDialog(printer_);
    if (accepted) {
        // What this dialog chose counts, not what an earlier one did.
        fileForOneJob_ =
            printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty();
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
    useInstalledPrinter();
    if (!hasTarget() && !(confirmPrintToFile() && showDialog() && hasTarget())) {
        return false;
    }
    if (!beginPainting()) {
        reportFailure(notWritable());
        return false;
    }
    job_ = Job::Printing;
    x_ = 0;
    y_ = 0;
    return true;
}

bool QtPrinter::beginPainting() {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        target_ = printer_.outputFileName();
        const QFileInfo target(target_);
        part_ = std::make_unique<QTemporaryFile>(
            target.dir().filePath(QStringLiteral(".%1.XXXXXX.pdf").arg(target.fileName())));
        if (!part_->open()) {
            part_.reset();
            return false;
        }
        part_->close();
        printer_.setOutputFileName(part_->fileName());
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) {
        if (part_) {
            part_.reset();
            printer_.setOutputFileName(target_);
        }
        return false;
    }
    painter_ = std::move(painter);
    return true;
}

QString QtPrinter::notWritable() const {
    return printer_.outputFormat() == QPrinter::PdfFormat
               ? QStringLiteral("Die Datei %1 kann nicht geschrieben werden.")
                     .arg(QDir::toNativeSeparators(printer_.outputFileName()))
               : QStringLiteral("Der Drucker %1 ist nicht bereit.").arg(printer_.printerName());
}

// The PDF written takes the target's name when it is whole; either way the file
// beside it goes. Returns why the target was not written, or nothing.
QString QtPrinter::keepWrittenFile(bool ended) {
    const QString written = part_->fileName();
    printer_.setOutputFileName(target_);
    QString failure;
    if (!ended || !isWholePdf(written)) {
        failure = QStorageInfo(QFileInfo(target_).absolutePath()).bytesAvailable() == 0
                      ? QStringLiteral("Der Datenträger ist voll.")
                      : QStringLiteral("Die Datei wurde nicht vollständig geschrieben.");
    } else {
        failure = replaceWith(target_, written);
    }
    part_.reset();
    return failure;
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
        const bool ended = painter_->end();
        painter_.reset();
        if (part_) {
            const QString failure = keepWrittenFile(ended);
            if (!failure.isEmpty()) {
                reportFailure(QStringLiteral("Die Datei %1 wurde nicht gedruckt.\n%2")
                                  .arg(QDir::toNativeSeparators(target_), failure));
            }
        } else if (!ended) {
            reportFailure(notWritable());
        }
    }
    finishJob();
}

void QtPrinter::abortJob() {
    if (painter_) {
        // A printer may still drop the pages; a PDF file is dropped whole, as half
        // a report would pass for a whole one, and the older file stays.
        printer_.abort();
        painter_->end();
        painter_.reset();
        if (part_) {
            part_.reset();
            printer_.setOutputFileName(target_);
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
        if (!printer_.outputFileName().isEmpty()) {
            defaultOutputFile = printer_.outputFileName();
        }
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
