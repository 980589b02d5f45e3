#pragma once

#include <QFont>
#include <QLocale>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/printer.h"

class QPainter;
class QTemporaryFile;
class QFontMetricsF;

namespace lurnatik {

// The printer on QPrinter and QPainter: the report as text in character columns
// of the current font, measured against the printer, and the window as an image.
// Pages break on their own when a job runs past the printable area.
//
// Without an installed printer the user is told so and may print to a PDF file
// through the print dialog. A file chosen in the dialog serves one job: the jobs
// after it go to the printer again (the system's default one), so that a report
// printed at once never writes over the file of an earlier one.
//
// A PDF is written beside the file it is meant for and takes its name only when
// it was written whole, so that a full disk never costs the older file.
class QtPrinter : public Printer {
  public:
    // `window` is the main window for the screen copy; it may be set later.
    explicit QtPrinter(QWidget* window = nullptr, const QLocale& locale = QLocale::system());
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setWindow(QWidget* window) { window_ = window; }
    // The QPrinter itself, for its settings (output format and file in tests).
    QPrinter& device() { return printer_; }
    // The font the next item is written in.
    const QFont& font() const { return font_; }

    void showSetupDialog() override;
    void setJobName(std::string_view name) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void moveToColumn(int column) override;
    void writeText(std::string_view text) override;
    void writeNumber(double value) override;
    void writeDate() override;
    void endLine() override;
    void endJob() override;
    void abortJob() override;
    void printWindowImage() override;

    // What the printer asks of the user and of the system. The defaults use real
    // dialogs and the installed printers; tests replace them.
    std::function<bool()> printerInstalled;
    // No printer installed: print to a PDF file instead?
    std::function<bool()> confirmPrintToFile;
    // The print dialog on the printer; true when accepted.
    std::function<bool(QPrinter&)> runSetupDialog;
    // A job could not begin (file not writable, printer gone) or its file could
    // not be written whole.
    std::function<void(const QString& message)> reportFailure;
    // The PDF file the dialog offers when there is no printer.
    QString defaultOutputFile;

  private:
    enum class Job { None, Printing, Discarded };

    static QFont defaultFont();

    bool beginJob();
    bool beginPainting();
    void useInstalledPrinter();
    bool hasTarget();
    QString notWritable() const;
    QString keepWrittenFile(bool ended);
    bool showDialog();
    QFontMetricsF metrics() const;
    qreal lineStep() const;
    void makeRoomForLine();
    void write(const QString& text);
    void finishJob();

    QPrinter printer_{QPrinter::HighResolution};
    QPointer<QWidget> window_;
    QLocale locale_;
    QFont font_{defaultFont()};
    std::unique_ptr<QPainter> painter_;
    // While a PDF is written: the file it is meant for, and the one written.
    QString target_;
    std::unique_ptr<QTemporaryFile> part_;
    Job job_ = Job::None;
    bool fileForOneJob_ = false;
    // The print position in device pixels from the top left of the printable area.
    qreal x_ = 0;
    qreal y_ = 0;
};

}  // namespace lurnatik
