#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/session.h"

namespace lurnatik {

class QtSession : public Session {
  public:
    explicit QtSession(QWidget* window) : window_(window) {}
    std::string programDirectory() override;
    void quit() override;

  private:
    QPointer<QWidget> window_;
};

}  // namespace lurnatik
