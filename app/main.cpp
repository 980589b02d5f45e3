#include <QApplication>
#include <cstdio>

#include "platform/graphical_session.h"
#include "program/program.h"
#include "qt/main_window.h"
#include "qt/program_icon.h"
#include "qt/qt_platform.h"
#include "qt/qt_printer.h"
#include "qt/translations.h"

int main(int argc, char* argv[]) {
    if (!lurnatik::graphicalSessionAvailable()) {
        std::fprintf(stderr, "%s\n", lurnatik::kNoGraphicalSession);
        return 1;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon, also on Wayland.
    QApplication::setDesktopFileName(QStringLiteral("lurnatik1"));
    QApplication::setWindowIcon(lurnatik::programIcon());
    lurnatik::installGermanTranslations(app);

    // The window comes first, as the dialogs and the printer need it; so the
    // program goes first at the end, and its form tells the window to let go of it.
    lurnatik::MainWindow window;
    lurnatik::QtPrinter printer(&window);
    lurnatik::QtPlatform platform(&window, printer);
    lurnatik::Program program(platform.platform());
    program.startUp();
    window.bind(program.form);
    window.show();
    return app.exec();
}
