#include "window/qt/qt_session.h"

#include <QCoreApplication>

namespace lurnatik {

std::string QtSession::programDirectory() {
    return QCoreApplication::applicationDirPath().toStdString();
}

void QtSession::quit() {
    if (window_ != nullptr) {
        window_->close();
    }
    // Leaves the event loop as soon as the running handler returns; no event
    // that waits is handled any more.
    QCoreApplication::exit(0);
}

}  // namespace lurnatik
