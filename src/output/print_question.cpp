#include "output/print_question.h"

namespace lurnatik {

bool askPrinterSettings(Platform& platform, std::string_view title) {
    platform.printer.setJobName(title);
    const Answer answer = platform.messageBox.ask(
        "Sollen die Druckereinstellungen noch geändert werden ?", title, kYesNoCancelQuestion);
    if (answer == Answer::Abbrechen) {
        return false;
    }
    if (answer == Answer::Ja) {
        // Whatever the dialog ends with, the printing goes on.
        platform.printer.showSetupDialog();
    }
    return true;
}

void printAbortingOnFailure(Printer& printer, const std::function<void()>& job) {
    try {
        job();
    } catch (...) {
        printer.abortJob();
        throw;
    }
}

}  // namespace lurnatik
