#include "qt/control_bindings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "model/text.h"
#include "qt/caption_fit.h"
#include "qt/frame_drawing.h"
#include "qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kOnWindow{QPalette::Window, QPalette::WindowText, true};
constexpr WidgetBinding::Roles kButton{QPalette::Button, QPalette::ButtonText, false};
constexpr WidgetBinding::Roles kEditor{QPalette::Base, QPalette::Text, false};

// At 100 %; every width grows with the window's zoom.
constexpr int kTextIndent = 2;     // between a left-aligned caption and its border
constexpr int kCaptionIndent = 6;  // from the import panel's left edge to its caption

Qt::Alignment horizontal(Align align) {
    return align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// A value label draws its single-line border itself, sunken and inside its
// rectangle, so that no scale factor drops an edge.
class BorderedLabel : public QLabel {
  public:
    BorderedLabel(QWidget* parent, bool border) : QLabel(parent), border_(border) {}
    void setBorderWidth(int width) { width_ = width; }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (border_) {
            QPainter painter(this);
            lurnatik::drawFrame(painter, QRectF(rect()), toQColor(kBorderShadow),
                                toQColor(kBorderLight), width_);
        }
    }

  private:
    bool border_;
    int width_ = 1;
};

// The import panel: an etched frame whose top line runs through the middle of the
// caption, drawn inside the panel's rectangle like every frame of the window.
class PanelFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;
    void setZoom(double zoom) { zoom_ = zoom; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        // The frame runs through the middle of the caption's line, on a whole pixel.
        const int captionMiddle = metrics.height() / 2;
        const QRectF box(0, captionMiddle, width(), height() - captionMiddle);
        const QColor light = toQColor(kBorderLight);
        const QColor shadow = toQColor(kBorderShadow);
        const int w = borderWidth(zoom_);
        lurnatik::drawFrame(painter, box.adjusted(w, w, 0, 0), light, light, w);
        lurnatik::drawFrame(painter, box.adjusted(0, 0, -w, -w), shadow, shadow, w);
        const QRect caption(atZoom(kCaptionIndent, zoom_), 0,
                            metrics.horizontalAdvance(title()) + 2 * atZoom(kTextIndent, zoom_),
                            metrics.height());
        painter.fillRect(caption, palette().color(backgroundRole()));
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(caption, Qt::AlignCenter, title());
    }

  private:
    double zoom_ = 1.0;
};

// Return and Enter press a button as Space does.
template <class Base>
class KeyboardButton : public Base {
  public:
    using Base::Base;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        // The keypad's Enter comes with the keypad flag.
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat()) {
                this->click();
            }
            event->accept();
            return;
        }
        Base::keyPressEvent(event);
    }
};

// An option button of a group: the arrows select the neighbour above or below,
// round the group, as the option groups of the design do. The click goes to the
// model, which may choose another mode; the focus follows what it chose.
class OptionRadio : public KeyboardButton<QRadioButton> {
  public:
    using KeyboardButton::KeyboardButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const int step = key == Qt::Key_Up || key == Qt::Key_Left      ? -1
                         : key == Qt::Key_Down || key == Qt::Key_Right ? 1
                                                                       : 0;
        if (step == 0 || group() == nullptr) {
            KeyboardButton::keyPressEvent(event);
            return;
        }
        std::vector<QAbstractButton*> usable;
        for (QAbstractButton* button : group()->buttons()) {
            if (button->isEnabled() && button->isVisible()) {
                usable.push_back(button);
            }
        }
        std::sort(usable.begin(), usable.end(),
                  [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        const auto here = std::find(usable.begin(), usable.end(), this);
        if (here != usable.end()) {
            const auto count = static_cast<std::ptrdiff_t>(usable.size());
            const std::ptrdiff_t next = ((here - usable.begin()) + step + count) % count;
            usable[static_cast<std::size_t>(next)]->click();
        }
        QAbstractButton* chosen = group()->checkedButton();
        if (chosen != nullptr && chosen->isVisible() && chosen->isEnabled()) {
            chosen->setFocus(Qt::OtherFocusReason);
        }
        event->accept();
    }
};

}  // namespace

LabelBinding::LabelBinding(const Label& label, QWidget* parent)
    : WidgetBinding(label, new BorderedLabel(parent, label.border), kOnWindow),
      model_(label),
      label_(static_cast<QLabel*>(widget())) {
    label_->setTextFormat(Qt::PlainText);
    // Labels draw their text from the top; fitting breaks its lines.
    label_->setAlignment(horizontal(label.alignment) | Qt::AlignTop);
    label_->setWordWrap(false);
    LabelBinding::setZoom(1.0);
}

void LabelBinding::setZoom(double zoom) {
    WidgetBinding::setZoom(zoom);
    if (model_.border) {
        const int w = borderWidth(zoom);
        const int left = model_.alignment == Align::Left ? atZoom(kTextIndent, zoom) : 0;
        static_cast<BorderedLabel*>(label_)->setBorderWidth(w);
        label_->setContentsMargins(w + left, w, w, w);
    }
    font_ = label_->font();
    fitted_ = false;
    syncCaption();
}

void LabelBinding::sync() {
    WidgetBinding::sync();
    syncCaption();
}

// Only the part of the caption that the label can show is read, so a caption of
// any length costs the same.
void LabelBinding::syncCaption() {
    const QSize box = label_->contentsRect().size();
    if (box != box_) {
        box_ = box;
        shownBytes_ = shownBytes(font_, box);
        fitted_ = false;
    }
    const std::string_view shown = shownPart(model_.caption, shownBytes_);
    const bool more = shown.size() < model_.caption.size();
    if (fitted_ && shown == caption_ && more == more_) {
        return;
    }
    fitted_ = true;
    caption_.assign(shown);
    more_ = more;
    QString text = captionText(shown);
    if (model_.alignment == Align::Centre) {
        // Blanks at the end of a line would move what is centred to the left.
        static const QRegularExpression trailing(QStringLiteral(" +(?=\n|$)"));
        text.remove(trailing);
    }
    const FittedCaption fitted = fitCaption(text, more, font_, box);
    if (label_->font() != fitted.font) {
        label_->setFont(fitted.font);
    }
    label_->setText(fitted.text);
    // A screen reader reads a value by the label's name, and hears it change.
    if (model_.border) {
        label_->setAccessibleName(more ? text + QChar(0x2026) : text);
    }
}

ButtonBinding::ButtonBinding(Button& button, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(button, new KeyboardButton<QPushButton>(parent), kButton),
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
    : WidgetBinding(array[index], new OptionRadio(parent), kOnWindow),
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
    const bool selected = array_.value(index_);
    // Only the selected button is a tab stop: Tab lands on the mode in force.
    setFocusPolicyWhenUsable(selected ? Qt::StrongFocus : Qt::ClickFocus);
    WidgetBinding::sync();
    const std::string& caption = array_[index_].caption;
    if (caption != caption_) {
        caption_ = caption;
        radio_->setText(captionText(caption_));
    }
    // In an exclusive group, checking the selected button unchecks the others.
    if (selected && !radio_->isChecked()) {
        const auto group = radio_->group()->buttons();
        const bool focusInGroup =
            std::find(group.begin(), group.end(), QApplication::focusWidget()) != group.end();
        radio_->setChecked(true);
        // The program chose another mode: the focus goes with the selection, so
        // that the arrows go on from the mode in force.
        if (focusInGroup && radio_->isVisible() && radio_->isEnabled()) {
            radio_->setFocus(Qt::OtherFocusReason);
        }
    }
}

FrameBinding::FrameBinding(const Frame& frame, QWidget* parent)
    : WidgetBinding(frame, new PanelFrame(parent), kOnWindow),
      model_(frame),
      box_(static_cast<QGroupBox*>(widget())) {}

void FrameBinding::setZoom(double zoom) {
    WidgetBinding::setZoom(zoom);
    static_cast<PanelFrame*>(box_)->setZoom(zoom);
}

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
    browser_->setPlainText(toQString(foldLineEnds(text_, '\n')));
}

}  // namespace lurnatik
