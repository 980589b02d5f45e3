#include "output/screen_copy.h"

#include "output/print_question.h"

namespace lurnatik {

void printScreenCopy(Form1& /*form*/, Platform& platform) {
    if (askPrinterSettings(platform, " Ausdruck Tendenz1")) {
        printAbortingOnFailure(platform.printer, [&] { platform.printer.printWindowImage(); });
    }
}

}  // namespace lurnatik
