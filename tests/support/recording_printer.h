#pragma once

#include <string>
#include <vector>

#include "platform/printer.h"

namespace lurnatik::testing {

// Records every call as a line such as "column 15" or "text \"Datum: \"".
class RecordingPrinter : public Printer {
  public:
    void showSetupDialog() override { calls.push_back("setup dialog"); }
    void setFontSize(double points) override;
    void setBold(bool on) override { calls.push_back(on ? "bold on" : "bold off"); }
    void setUnderline(bool on) override { calls.push_back(on ? "underline on" : "underline off"); }
    void moveToColumn(int column) override;
    void writeText(std::string_view text) override;
    void writeNumber(double value) override;
    void writeDate() override { calls.push_back("date"); }
    void endLine() override { calls.push_back("end line"); }
    void endJob() override { calls.push_back("end job"); }
    void printWindowImage() override { calls.push_back("window image"); }

    std::vector<std::string> calls;
};

}  // namespace lurnatik::testing
