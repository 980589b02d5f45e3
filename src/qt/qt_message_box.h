#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace lurnatik {

// A modal QMessageBox with German buttons, whether or not Qt's translations are
// installed: style 36 asks Ja/Nein, style 35 Ja/Nein/Abbrechen; Ja is the default.
class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* window) : window_(window) {}
    Answer ask(std::string_view prompt, std::string_view title, int style) override;

  private:
    QPointer<QWidget> window_;
};

}  // namespace lurnatik
