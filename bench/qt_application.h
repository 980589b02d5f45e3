#pragma once
// The one QApplication of the benchmarks, on the offscreen platform unless the
// shell names another.

#include <QApplication>

namespace lurnatik {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "lurnatik_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

}  // namespace lurnatik
