#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "platform/number_item.h"
#include "platform/printer.h"

namespace lurnatik {

// A printer on paper made of text: every call is logged, and each finished job is
// laid out as the lines on its page, in character columns (column n begins n - 1
// characters from the left edge; a character is a UTF-8 code point). Font size,
// bold and underline show only in the log.
class RecordingPrinter : public Printer {
  public:
    void showSetupDialog() override { calls.push_back("setup dialog"); }
    void setJobName(std::string_view name) override { jobName = name; }
    void setFontSize(double points) override {
        calls.push_back("font size " + lurnatik::writeNumber(points));
    }
    void setBold(bool on) override { calls.push_back(on ? "bold on" : "bold off"); }
    void setUnderline(bool on) override { calls.push_back(on ? "underline on" : "underline off"); }
    void moveToColumn(int column) override;
    void writeText(std::string_view text) override {
        put("text \"" + std::string(text) + "\"", text);
    }
    void writeNumber(double value) override {
        put("number " + lurnatik::writeNumber(value), numberItem(value, decimalSeparator));
    }
    void writeDate() override { put("date", date); }
    void endLine() override;
    void endJob() override;
    void abortJob() override;
    // The image of Form1's client area, as the single line "[window image 638x477]".
    void printWindowImage() override;

    // Every call as a line such as "column 15" or "text \"Datum: \"".
    std::vector<std::string> calls;
    // The finished jobs, oldest first, each as the lines of its page.
    std::vector<std::vector<std::string>> jobs;
    // Runs with the lines of each job as it finishes.
    std::function<void(const std::vector<std::string>& lines)> onJobFinished;
    // What the date item writes: a fixed day, so that printed pages compare.
    std::string date = "06.12.2026";
    // The user's decimal separator.
    std::string decimalSeparator = ",";
    std::string jobName;

  private:
    // Logs the call and writes its text at the print position, beginning a job.
    void put(std::string call, std::string_view text);
    void breakLine();
    void startAfresh();  // no job, an empty page
    void finish(std::vector<std::string> lines);

    bool printing_ = false;  // a job has begun and not yet ended
    std::vector<std::string> lines_;
    std::string line_;
    int position_ = 0;  // characters from the left edge
};

}  // namespace lurnatik
