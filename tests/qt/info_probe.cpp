// Clicks "Info" in the real window's surroundings and prints what the box shows.
#include <QApplication>
#include <iostream>

#include "program/program.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/qt_printer.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lurnatik::MainWindow window;
    lurnatik::QtPrinter printer(&window);
    lurnatik::QtPlatform platform(&window, printer);
    lurnatik::Program program(platform.platform());
    program.startUp();
    program.form.okinfo.click();
    std::cout << program.form.infotext.text;
    return 0;
}
