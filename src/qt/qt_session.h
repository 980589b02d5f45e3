#pragma once

#include <QPointer>

#include "platform/session.h"
#include "qt/main_window.h"

namespace lurnatik {

class QtSession : public Session {
  public:
    explicit QtSession(MainWindow* window) : window_(window) {}
    std::string programDirectory() override;
    void quit() override;

  private:
    QPointer<MainWindow> window_;
};

}  // namespace lurnatik
