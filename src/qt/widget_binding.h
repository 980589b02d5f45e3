#pragma once

#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>

#include "model/controls.h"

namespace lurnatik {

// One control of the model and the widget that draws it. sync() brings the widget
// up to date from the model; it compares before it sets, so that a sync of the
// whole window after every event stays cheap.
class WidgetBinding {
  public:
    // Which palette roles show the control's background and foreground colours.
    struct Roles {
        QPalette::ColorRole background;
        QPalette::ColorRole foreground;
        bool fillBackground;
    };

    WidgetBinding(const Control& control, QWidget* widget, Roles roles);
    WidgetBinding(const WidgetBinding&) = delete;
    WidgetBinding& operator=(const WidgetBinding&) = delete;
    // The widget goes with its binding: no widget is left to draw a control that
    // may be gone.
    virtual ~WidgetBinding();

    const Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    virtual void sync();
    // A control under an open panel takes no input and is hidden, so that neither
    // the keys nor a screen reader reach it; the panel hides it anyway.
    void setCovered(bool covered) { covered_ = covered; }

    // Places and sizes the widget, its font and its borders at a zoom factor.
    virtual void setZoom(double zoom);

  protected:
    // How the widget takes the focus while nothing covers it.
    void setFocusPolicyWhenUsable(Qt::FocusPolicy policy) { focusPolicy_ = policy; }

    // The receiver of the widget's signals: it goes with the binding, so no signal
    // reaches a binding that is gone while its widget is still being taken down.
    QObject* receiver() { return &receiver_; }

  private:
    void applyColours();

    const Control& control_;
    QPointer<QWidget> widget_;
    Roles roles_;
    QObject receiver_;
    Colour background_ = 0;
    Colour foreground_ = 0;
    std::string tooltip_;
    bool first_ = true;
    bool covered_ = false;
    std::optional<Qt::FocusPolicy> focusPolicy_;  // the widget's own until set
};

}  // namespace lurnatik
