#include "output/quit.h"

namespace lurnatik {

void confirmQuit(Form1& /*form*/, Platform& platform) {
    if (platform.messageBox.ask("Soll das Programm beendet werden ?     ", " Beenden",
                                kYesNoQuestion) == Answer::Ja) {
        platform.session.quit();
    }
}

}  // namespace lurnatik
