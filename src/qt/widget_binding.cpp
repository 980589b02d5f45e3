#include "qt/widget_binding.h"

#include "qt/qt_convert.h"

namespace lurnatik {

WidgetBinding::WidgetBinding(const Control& control, QWidget* widget, Roles roles)
    : control_(control), widget_(widget), roles_(roles) {
    widget->setObjectName(toQString(control.name()));
    WidgetBinding::setZoom(1.0);
    widget->setAutoFillBackground(roles.fillBackground);
    // Buttons fill with the button colour unless told otherwise; option buttons
    // take the window's.
    widget->setBackgroundRole(roles.background);
    widget->setForegroundRole(roles.foreground);
}

WidgetBinding::~WidgetBinding() {
    if (widget_ != nullptr) {
        // Nothing the widget reports while it is taken down reaches the model.
        widget_->blockSignals(true);
        delete widget_.data();
    }
}

void WidgetBinding::setZoom(double zoom) {
    const QRect geometry = toPixels(control_.geometry, zoom);
    widget_->setGeometry(geometry);
    // A fixed-pitch face must fit inside the border of its box.
    widget_->setFont(toQFont(control_.font, geometry.height() - 2 * borderWidth(zoom), zoom));
}

void WidgetBinding::sync() {
    if (widget_ == nullptr) {
        return;
    }
    if (first_ || control_.background != background_ || control_.foreground != foreground_) {
        applyColours();
    }
    if (first_ || control_.tooltip != tooltip_) {
        tooltip_ = control_.tooltip;
        widget_->setToolTip(toQString(tooltip_));
    }
    const bool enabled = control_.enabled && !covered_;
    if (widget_->isEnabled() != enabled) {
        widget_->setEnabled(enabled);
    }
    if (!focusPolicy_) {
        focusPolicy_ = widget_->focusPolicy();
    }
    const Qt::FocusPolicy focusPolicy = covered_ ? Qt::NoFocus : *focusPolicy_;
    if (widget_->focusPolicy() != focusPolicy) {
        widget_->setFocusPolicy(focusPolicy);
    }
    const bool visible = control_.visible && !covered_;
    if (widget_->isHidden() == visible) {
        // A widget hidden with the focus would pass it on to its neighbour, a
        // focus change the user did not make; the panel takes it instead.
        if (!visible && widget_->hasFocus()) {
            widget_->clearFocus();
        }
        widget_->setVisible(visible);
    }
    first_ = false;
}

void WidgetBinding::applyColours() {
    background_ = control_.background;
    foreground_ = control_.foreground;
    QPalette palette = widget_->palette();
    palette.setColor(roles_.background, toQColor(background_));
    const QColor text = textColourOn(background_, foreground_);
    palette.setColor(QPalette::Active, roles_.foreground, text);
    palette.setColor(QPalette::Inactive, roles_.foreground, text);
    palette.setColor(QPalette::Disabled, roles_.foreground, greyedTextOn(background_));
    widget_->setPalette(palette);
}

}  // namespace lurnatik
