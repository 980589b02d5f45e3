#include "window/program.h"

#include "window/startup.h"

namespace lurnatik {

void attachHandlers(Form1& form, Platform& platform) {
    Form1* f = &form;
    Platform* p = &platform;

    // Start-up and restart.
    form.okabbrechen.onClick = [f, p] { restart(*f, *p); };
}

void Program::startUp() {
    lurnatik::startUp(form, platform_);
}

}  // namespace lurnatik
