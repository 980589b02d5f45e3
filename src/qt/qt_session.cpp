#include "qt/qt_session.h"

#include <QCoreApplication>

#include "platform/program_directory.h"

namespace lurnatik {

std::string QtSession::programDirectory() {
    // As bytes: Qt's own answer is a string and loses a directory name that is
    // not UTF-8.
    return realProgramDirectory();
}

void QtSession::quit() {
    if (window_ != nullptr) {
        window_->end();
    }
    // Leaves the event loop as soon as the running handler returns; no event
    // that waits is handled any more.
    QCoreApplication::exit(0);
}

}  // namespace lurnatik
