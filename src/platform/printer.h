#pragma once

#include <string_view>

namespace lurnatik {

// The printer as a text device with a print position in character columns, plus
// its setup dialog and the window image. The first item written begins a job.
class Printer {
  public:
    virtual ~Printer() = default;
    virtual void showSetupDialog() = 0;

    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    // Column 1 is the left edge; a position past column n moves to column n of the
    // next line.
    virtual void moveToColumn(int column) = 0;
    virtual void writeText(std::string_view text) = 0;
    // Sign blank (or "-"), plain decimal digits, one trailing blank.
    virtual void writeNumber(double value) = 0;
    // Today in the user's short date format.
    virtual void writeDate() = 0;
    virtual void endLine() = 0;
    virtual void endJob() = 0;

    // Prints an image of the main window as it is shown, as one job.
    virtual void printWindowImage() = 0;
};

}  // namespace lurnatik
