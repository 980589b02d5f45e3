#include "qt/qt_message_box.h"

#include <QPushButton>

namespace lurnatik {
namespace {

// Message-box style bits: the buttons in the low four, the icon in the next three.
constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0x70;
constexpr int kYesNoCancel = 3;
constexpr int kQuestionIcon = 32;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Answer QtMessageBox::ask(std::string_view prompt, std::string_view title, int style) {
    QMessageBox box(window_);
    box.setWindowTitle(fromView(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(fromView(prompt));
    if ((style & kIconMask) == kQuestionIcon) {
        box.setIcon(QMessageBox::Question);
    }
    // Alt and the underlined letter answer from the keyboard.
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* abbrechen = nullptr;
    if ((style & kButtonsMask) == kYesNoCancel) {
        abbrechen = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
    }
    box.setDefaultButton(ja);
    // Escape and the close button answer as the last button does.
    box.setEscapeButton(abbrechen != nullptr ? abbrechen : nein);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == ja) {
        return Answer::Ja;
    }
    if (clicked == nein || abbrechen == nullptr) {
        return Answer::Nein;
    }
    return Answer::Abbrechen;
}

}  // namespace lurnatik
