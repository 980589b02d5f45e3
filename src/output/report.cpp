#include "output/report.h"

#include <algorithm>

#include "model/text.h"
#include "output/print_question.h"

namespace lurnatik {
namespace {

constexpr const char* kTitle = " K o r v e l / Z T / T e s s a l o r e n 1   Morvak 03.1";
constexpr int kFirstColumn = 15;
constexpr int kTitleColumn = 36;
constexpr int kColumnSpacing = 10;  // table columns at 15, 25, 35, 45

// The bytes of the character that begins at `i`: a UTF-8 sequence, or a single
// byte where the text is not valid UTF-8, so that a line break is never swallowed.
std::size_t characterLength(const std::string& text, std::size_t i) {
    const auto expected = static_cast<std::size_t>(
        std::max(1, utf8SequenceLength(static_cast<unsigned char>(text[i]))));
    std::size_t length = 1;
    while (length < expected && i + length < text.size() &&
           (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length == expected ? length : 1;
}

void emptyLines(Printer& printer, int count) {
    for (int i = 0; i < count; ++i) {
        printer.endLine();
    }
}

void writeHeading(Printer& printer) {
    printer.setBold(true);
    printer.moveToColumn(kFirstColumn);
    printer.writeText("Datum: ");
    printer.writeDate();
    // No line end after the date: a long date pushes the title to the next line.
    printer.setUnderline(true);
    printer.moveToColumn(kTitleColumn);
    printer.writeText(kTitle);
    printer.endLine();
    printer.setUnderline(false);
    printer.setBold(false);
}

void writeTable(Printer& printer, Grid& tabelle1) {
    printer.setUnderline(true);
    const char* headings[] = {"ZAHL", "ANZAHL", "2fach", "3fach"};
    for (int c = 0; c < 4; ++c) {
        printer.moveToColumn(kFirstColumn + c * kColumnSpacing);
        printer.writeText(headings[c]);
    }
    printer.endLine();
    printer.setUnderline(false);

    // Through the current cell, as the window reads a grid: it ends at row 36,
    // column 3, and the grid's highlight goes with it.
    for (int r = 0; r <= kHighestNumber; ++r) {
        tabelle1.setRow(r);
        for (int c = 0; c < 4; ++c) {
            tabelle1.setCol(c);
            printer.moveToColumn(kFirstColumn + c * kColumnSpacing);
            printer.writeText(tabelle1.text());
        }
        printer.endLine();
    }
}

void writeReport(Form1& form, Printer& printer) {
    const State& s = form.state;

    printer.setFontSize(12);
    emptyLines(printer, 2);
    writeHeading(printer);
    emptyLines(printer, 2);

    joinStatusText(form);
    printer.moveToColumn(kFirstColumn);
    printer.writeText(s.textzeile);
    printer.endLine();
    emptyLines(printer, 1);

    printer.moveToColumn(kFirstColumn);
    printer.writeText("Anzahl Würfe:  ");
    printer.writeNumber(s.sollwuerfe);
    printer.endLine();
    emptyLines(printer, 1);

    printer.moveToColumn(kFirstColumn);
    printer.writeText("Anzahl akut :   ");
    printer.writeNumber(s.wurfnr);
    printer.endLine();
    emptyLines(printer, 3);

    writeTable(printer, form.tabelle1);
    emptyLines(printer, 1);
    printer.endJob();
}

}  // namespace

void joinStatusText(Form1& form) {
    State& s = form.state;
    s.zeichen.clear();
    s.textzeile.clear();
    const std::string& caption = form.text.caption;
    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t length = characterLength(caption, i);
        s.zeichen.assign(caption, i, length);
        if (s.zeichen == "\r") {
            s.zeichen = " / ";
        }
        s.textzeile += s.zeichen;
        i += length;
    }
}

void printReport(Form1& form, Platform& platform) {
    if (askPrinterSettings(platform, " Ausdruck Figuren1")) {
        printAbortingOnFailure(platform.printer, [&] { writeReport(form, platform.printer); });
    }
}

}  // namespace lurnatik
