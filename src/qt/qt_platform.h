#pragma once

#include <QWidget>

#include "platform/disk_file_system.h"
#include "platform/platform.h"
#include "platform/steady_clock.h"
#include "qt/qt_locale.h"
#include "qt/qt_message_box.h"
#include "qt/qt_session.h"

namespace lurnatik {

// The real surroundings of the program: Qt's dialogs, the desktop's locale, the
// disk, and the printer that the caller supplies.
class QtPlatform {
  public:
    QtPlatform(MainWindow* window, Printer& printer)
        : messageBox_(window), session_(window), printer_(printer) {}
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform& platform() { return platform_; }

  private:
    QtMessageBox messageBox_;
    SteadyClock clock_;
    QtLocale locale_;
    DiskFileSystem files_;
    QtSession session_;
    Printer& printer_;
    Platform platform_{messageBox_, clock_, locale_, files_, printer_, session_};
};

}  // namespace lurnatik
