#pragma once

#include <string_view>

namespace lurnatik {

// The printer as a text device with a print position in character columns, plus
// its setup dialog and the window image.
//
// A job begins with the first item written (a column move, a text, number or date
// item, or a line end) and ends with endJob(), which hands the pages over. Font
// settings may be changed at any time; they last from job to job.
class Printer {
  public:
    virtual ~Printer() = default;
    // The printer-setup dialog; what the user chose there applies to the jobs that
    // follow. The outcome is the device's own business.
    virtual void showSetupDialog() = 0;
    // The name print queues show for the jobs that follow.
    virtual void setJobName(std::string_view name) = 0;

    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    // A column is one average character width of the current font; column 1 is
    // the left edge of the printable area. When the print position already lies
    // beyond column n, the position moves to column n of the next line; a position
    // exactly at column n stays.
    virtual void moveToColumn(int column) = 0;
    // Written at the print position, which then moves past it.
    virtual void writeText(std::string_view text) = 0;
    // The value as numberItem() writes it (sign blank or "-", plain decimal
    // digits, one trailing blank), with the user's decimal separator.
    virtual void writeNumber(double value) = 0;
    // Today in the user's short date format.
    virtual void writeDate() = 0;
    // Column 1 of the next line; a line that holds nothing stays empty.
    virtual void endLine() = 0;
    virtual void endJob() = 0;
    // Drops the job begun and not ended when an error cut it off: what the device
    // can still take back is not printed, and the next item begins a new job.
    virtual void abortJob() = 0;

    // Prints an image of the main window as it is shown, with every visible
    // control, as one job of its own.
    virtual void printWindowImage() = 0;
};

}  // namespace lurnatik
