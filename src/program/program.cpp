#include "program/program.h"

#include "core/run_control.h"
#include "core/run_inputs.h"
#include "import/import_panel.h"
#include "output/info_text.h"
#include "output/quit.h"
#include "output/report.h"
#include "output/screen_copy.h"
#include "window/marking.h"
#include "window/startup.h"

namespace lurnatik {

void attachHandlers(Form1& form, Platform& platform) {
    Form1* f = &form;
    Platform* p = &platform;

    // Start-up and restart.
    form.okabbrechen.onClick = [f, p] { restart(*f, *p); };

    // Run control and its three inputs.
    form.okstart.onClick = [f, p] { startClick(*f, *p); };
    form.textanzahl.onChange = [f] { throwsWanted(*f); };
    form.haltbei.onChange = [f, p] { haltThrow(*f, p->locale); };
    form.Option1.onSelect = [f](int) { modeChange(*f); };

    // Import panel and permanence reader; fills the panel's lists.
    attachImportPanel(*f, *p);

    // Number marking.
    form.tabelle1.onClick = [f] { toggleMark(*f); };
    form.okresetl.onClick = [f] { removeAllMarks(*f); };
    form.Command1.onClick = [f] { clearRecordedThrows(*f); };

    // Output: report, screen copy, info text, quit.
    form.okdruck.onClick = [f, p] { printReport(*f, *p); };
    form.okcopy.onClick = [f, p] { printScreenCopy(*f, *p); };
    form.okinfo.onClick = [f, p] { toggleInfo(*f, *p); };
    form.okende.onClick = [f, p] { confirmQuit(*f, *p); };
    // Closing the window asks as Ende does.
    form.onCloseRequest = [f, p] { confirmQuit(*f, *p); };
}

void Program::startUp() {
    lurnatik::startUp(form, platform_);
}

}  // namespace lurnatik
