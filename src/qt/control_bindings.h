#pragma once
// Bindings of the controls that show a caption or a text: labels, buttons, text
// boxes, option buttons, the frame and the rich-text box.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <cstddef>
#include <string>

#include "model/controls.h"
#include "qt/event_dispatch.h"
#include "qt/widget_binding.h"

namespace lurnatik {

// The sunken single-line border of the value labels.
inline constexpr Colour kBorderShadow = rgb(128, 128, 128);
inline constexpr Colour kBorderLight = colours::white;

class LabelBinding : public WidgetBinding {
  public:
    LabelBinding(const Label& label, QWidget* parent);
    QLabel* label() const { return label_; }
    void sync() override;
    void setZoom(double zoom) override;
    // Only the caption: the forced repaint in the middle of a run needs no more.
    void syncCaption();

  private:
    const Label& model_;
    QLabel* label_;
    QFont font_;  // the size the window asks for
    QSize box_;   // where the caption goes
    std::size_t shownBytes_ = 0;
    std::string caption_;  // as much of it as the label can show
    bool more_ = false;    // the caption goes on beyond caption_
    bool fitted_ = false;
};

class ButtonBinding : public WidgetBinding {
  public:
    ButtonBinding(Button& button, QWidget* parent, EventDispatch& dispatch);
    void sync() override;

  private:
    Button& model_;
    QPushButton* button_;
    std::string caption_;
};

class TextBoxBinding : public WidgetBinding {
  public:
    TextBoxBinding(TextBox& box, QWidget* parent, EventDispatch& dispatch);
    void sync() override;

  private:
    TextBox& model_;
    QLineEdit* edit_;
    std::string text_;  // what the widget shows, as the model wrote or the user typed it
};

class OptionBinding : public WidgetBinding {
  public:
    OptionBinding(OptionArray& array, int index, QWidget* parent, QButtonGroup& group,
                  EventDispatch& dispatch);
    void sync() override;

  private:
    OptionArray& array_;
    int index_;
    QRadioButton* radio_;
    std::string caption_;
};

class FrameBinding : public WidgetBinding {
  public:
    FrameBinding(const Frame& frame, QWidget* parent);
    QGroupBox* box() const { return box_; }
    void sync() override;
    void setZoom(double zoom) override;

  private:
    const Frame& model_;
    QGroupBox* box_;
    std::string caption_;
};

class RichTextBinding : public WidgetBinding {
  public:
    RichTextBinding(const RichTextBox& box, QWidget* parent);
    void sync() override;

  private:
    const RichTextBox& model_;
    QTextBrowser* browser_;
    std::string text_;
    bool first_ = true;
};

}  // namespace lurnatik
