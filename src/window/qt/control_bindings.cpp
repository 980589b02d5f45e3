#include "window/qt/control_bindings.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "window/qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kOnWindow{QPalette::Window, QPalette::WindowText, true};
constexpr WidgetBinding::Roles kButton{QPalette::Button, QPalette::ButtonText, false};
constexpr WidgetBinding::Roles kEditor{QPalette::Base, QPalette::Text, false};

Qt::Alignment horizontal(Align align) {
    return align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

}  // namespace

LabelBinding::LabelBinding(const Label& label, QWidget* parent)
    : WidgetBinding(label, new QLabel(parent), kOnWindow),
      model_(label),
      label_(static_cast<QLabel*>(widget())) {
    label_->setTextFormat(Qt::PlainText);
    // Labels draw their text from the top and wrap it at their width.
    label_->setAlignment(horizontal(label.alignment) | Qt::AlignTop);
    label_->setWordWrap(true);
    if (label.border) {
        label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label_->setLineWidth(1);
        label_->setIndent(2);
    }
    font_ = label_->font();
    pixels_ = QFontInfo(font_).pixelSize();
}

void LabelBinding::sync() {
    WidgetBinding::sync();
    syncCaption();
}

void LabelBinding::syncCaption() {
    if (model_.caption != caption_) {
        caption_ = model_.caption;
        const QString text = captionText(caption_);
        fitFont(text);
        label_->setText(text);
    }
}

// The replacement face runs a little wider than the one the captions were written
// for; a line that would not fit is drawn a pixel or two smaller rather than broken
// in the middle.
void LabelBinding::fitFont(const QString& text) {
    constexpr int kMostShrink = 2;
    const int width =
        label_->contentsRect().width() - std::max(label_->indent(), 0) - 2 * label_->margin();
    QFont font = font_;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int shrink = 0; shrink <= kMostShrink && pixels_ - shrink > 0; ++shrink) {
        if (shrink > 0) {
            font.setPixelSize(pixels_ - shrink);
        }
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= width;
        });
        if (fits) {
            break;
        }
    }
    if (label_->font() != font) {
        label_->setFont(font);
    }
}

ButtonBinding::ButtonBinding(Button& button, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(button, new QPushButton(parent), kButton),
      model_(button),
      button_(static_cast<QPushButton*>(widget())) {
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, receiver(),
                     [this, &dispatch] { dispatch.run([this] { model_.click(); }); });
}

void ButtonBinding::sync() {
    WidgetBinding::sync();
    if (model_.caption != caption_) {
        caption_ = model_.caption;
        button_->setText(captionText(caption_));
    }
}

TextBoxBinding::TextBoxBinding(TextBox& box, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(box, new QLineEdit(parent), kEditor),
      model_(box),
      edit_(static_cast<QLineEdit*>(widget())) {
    edit_->setAlignment(horizontal(box.alignment) | Qt::AlignVCenter);
    QObject::connect(edit_, &QLineEdit::textEdited, receiver(),
                     [this, &dispatch](const QString& text) {
                         std::string typed = text.toStdString();
                         text_ = typed;
                         dispatch.run([this, typed] { model_.setText(typed); });
                     });
}

void TextBoxBinding::sync() {
    WidgetBinding::sync();
    if (model_.text() == text_) {
        return;
    }
    text_ = model_.text();
    const QString text = toQString(text_);
    if (edit_->text() != text) {
        // A handler rewrote what was typed: keep the cursor where the user left it
        // as far as the new text allows.
        const int cursor = edit_->cursorPosition();
        edit_->setText(text);
        edit_->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    }
}

OptionBinding::OptionBinding(OptionArray& array, int index, QWidget* parent, QButtonGroup& group,
                             EventDispatch& dispatch)
    : WidgetBinding(array[index], new QRadioButton(parent), kOnWindow),
      array_(array),
      index_(index),
      radio_(static_cast<QRadioButton*>(widget())) {
    group.addButton(radio_, index);
    QObject::connect(radio_, &QRadioButton::clicked, receiver(), [this, &dispatch] {
        dispatch.run([this] {
            if (array_[index_].enabled && array_[index_].shown()) {
                array_.select(index_);
            }
        });
    });
}

void OptionBinding::sync() {
    WidgetBinding::sync();
    const std::string& caption = array_[index_].caption;
    if (caption != caption_) {
        caption_ = caption;
        radio_->setText(captionText(caption_));
    }
    // In an exclusive group, checking the selected button unchecks the others.
    if (array_.value(index_) && !radio_->isChecked()) {
        radio_->setChecked(true);
    }
}

FrameBinding::FrameBinding(const Frame& frame, QWidget* parent)
    : WidgetBinding(frame, new QGroupBox(parent), kOnWindow),
      model_(frame),
      box_(static_cast<QGroupBox*>(widget())) {}

void FrameBinding::sync() {
    WidgetBinding::sync();
    if (model_.caption != caption_) {
        caption_ = model_.caption;
        box_->setTitle(captionText(caption_));
    }
}

RichTextBinding::RichTextBinding(const RichTextBox& box, QWidget* parent)
    : WidgetBinding(box, new QTextBrowser(parent), kEditor),
      model_(box),
      browser_(static_cast<QTextBrowser*>(widget())) {
    browser_->setOpenLinks(false);
}

void RichTextBinding::sync() {
    WidgetBinding::sync();
    if (!first_ && model_.text == text_) {
        return;
    }
    first_ = false;
    text_ = model_.text;
    QString text = toQString(text_);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    browser_->setPlainText(text);
}

}  // namespace lurnatik
