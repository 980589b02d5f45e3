#include "window/qt/shape_bindings.h"

#include <QPainter>
#include <algorithm>

#include "window/qt/frame_drawing.h"
#include "window/qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kDrawn{QPalette::Window, QPalette::WindowText, false};

}  // namespace

OutlineWidget::OutlineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineWidget::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void OutlineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (line_ && line_->dx() != 0 && line_->dy() != 0) {
        painter.setPen(QPen(colour_, 1));
        painter.drawLine(*line_);
        return;
    }
    // A level or upright line fills its box, one pixel thick.
    drawFrame(painter, QRectF(rect()), colour_, colour_);
}

ShapeBinding::ShapeBinding(const Shape& shape, QWidget* parent)
    : WidgetBinding(shape, new OutlineWidget(parent), kDrawn),
      model_(shape),
      outline_(static_cast<OutlineWidget*>(widget())) {}

void ShapeBinding::sync() {
    WidgetBinding::sync();
    if (first_ || model_.borderColour != colour_) {
        first_ = false;
        colour_ = model_.borderColour;
        outline_->setColour(toQColor(colour_));
    }
}

LineBinding::LineBinding(const Line& line, QWidget* parent)
    : WidgetBinding(line, new OutlineWidget(parent), kDrawn),
      model_(line),
      outline_(static_cast<OutlineWidget*>(widget())) {
    // The line runs from (left, top) to (left + width, top + height); the widget
    // is the box around it, one pixel wide at least.
    const Twips& g = line.geometry;
    const QPoint from(toPixels(g.left), toPixels(g.top));
    const QPoint to(toPixels(g.left + g.width), toPixels(g.top + g.height));
    const QRect box = QRect(from, to).normalized();
    outline_->setGeometry(box);
    outline_->setLine(QLine(from - box.topLeft(), to - box.topLeft()));
}

void LineBinding::sync() {
    WidgetBinding::sync();
    if (first_ || model_.foreground != colour_) {
        first_ = false;
        colour_ = model_.foreground;
        outline_->setColour(toQColor(colour_));
    }
}

}  // namespace lurnatik
