#pragma once
// The program after start-up on the scripted platform, driven as a user would,
// and a snapshot of everything it shows and holds.

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "program/program.h"
#include "support/fake_platform.h"

namespace lurnatik::testing {

inline const std::string kRandomText = " Der Computer erzeugt die Zahlen...";
inline const std::string kEnd = std::string("\r") + std::string(20, ' ') + "***  ENDE  *** ";

// Every control with its caption, state, colour and contents, every grid cell,
// the current cells, the mode and the variables: one line each, so that a
// failed comparison shows the lines that changed.
inline std::string snapshot(const Form1& form) {
    std::ostringstream out;
    const auto joined = [](const std::vector<std::string>& items) {
        return std::accumulate(items.begin(), items.end(), std::string(),
                               [](std::string all, const std::string& i) { return all + i + "|"; });
    };
    for (const Control* c : form.controls()) {
        out << c->name() << " \"" << c->caption << "\" " << c->enabled << c->visible << " "
            << c->background << " ";
        if (const auto* t = dynamic_cast<const TextBox*>(c)) {
            out << t->text();
        } else if (const auto* r = dynamic_cast<const RichTextBox*>(c)) {
            out << r->text;
        } else if (const auto* d = dynamic_cast<const DriveList*>(c)) {
            out << d->drive() << " " << joined(d->items);
        } else if (const auto* d = dynamic_cast<const DirList*>(c)) {
            out << d->path() << " " << joined(d->items) << d->listIndex;
        } else if (const auto* f = dynamic_cast<const FileList*>(c)) {
            out << f->path << " " << joined(f->items) << f->listIndex;
        } else if (const auto* g = dynamic_cast<const Grid*>(c)) {
            out << "at " << g->row() << "," << g->col();
            for (int r = 0; r < g->rows(); ++r) {
                out << "\n" << g->name() << "[" << r << "]";
                for (int col = 0; col < g->cols(); ++col) {
                    out << " \"" << g->cell(r, col).text << "\" " << g->cell(r, col).background;
                }
            }
        }
        out << "\n";
    }
    const State& s = form.state;
    out << "Option1 " << form.Option1.selected() << "\nstate";
    for (double v : {double(s.importmodus), s.sollwuerfe, s.wurfnr, s.haltwurf, double(s.zahl),
                     double(s.vorzahl), double(s.doppelzahl), double(s.doppelstatus),
                     double(s.flagwdh), double(s.flagdoppel), double(s.flagdreifach),
                     double(s.rotwurf), double(s.rotnr), double(s.rotwurfnr), s.permanzahl}) {
        out << " " << writeNumber(v);
    }
    out << " \"" << s.zeichen << "\" \"" << s.textzeile << "\"\npermanenz";
    for (const auto& entry : s.permanenz) {
        out << " " << (entry ? writeNumber(*entry) : "-");
    }
    return out.str();
}

class ProgramTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;
    State& s = form.state;

    void SetUp() override { program.startUp(); }

    void want(std::string_view text) { form.textanzahl.setText(text); }
    void numbers(const std::deque<int>& n) { form.generator.queueNumbers(n); }
    void click() { form.okstart.click(); }
    // A run in one click: throws wanted, a mode, Start.
    void run(std::string_view throws, int mode) {
        want(throws);
        form.Option1.select(mode);
        click();
    }
    // Throws the numbers one per click in "Einzelschritt", wanting enough throws.
    void throwOneByOne(const std::deque<int>& n) {
        if (s.sollwuerfe < s.wurfnr + static_cast<double>(n.size())) {
            want(writeNumber(s.wurfnr + static_cast<double>(n.size())));
        }
        numbers(n);
        for (std::size_t i = 0; i < n.size(); ++i) {
            click();
        }
    }
    // A click on tabelle1 with the current cell at (row, col), released on row
    // `released`, as the binding reports it.
    void clickRow(int row, int col = 0, int released = -1) {
        form.tabelle1.setRow(row);
        form.tabelle1.setCol(col);
        form.tabelle1.rowSel = released < 0 ? row : released;
        form.tabelle1.click();
    }
    const std::string& t1(int row, int col) const { return form.tabelle1.cell(row, col).text; }
    const std::string& t2(int row) const { return form.tabelle2.cell(row, 0).text; }
    double columnSum(int col) const {
        double sum = 0;
        for (int r = 0; r <= 36; ++r) {
            sum += readNumber(t1(r, col));
        }
        return sum;
    }
};

}  // namespace lurnatik::testing
