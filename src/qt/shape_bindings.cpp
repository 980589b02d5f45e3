#include "qt/shape_bindings.h"

#include <QPainter>
#include <algorithm>

#include "qt/frame_drawing.h"
#include "qt/qt_convert.h"

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

void OutlineWidget::setLineWidth(int width) {
    lineWidth_ = width;
    update();
}

void OutlineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (line_ && line_->dx() != 0 && line_->dy() != 0) {
        painter.setPen(QPen(colour_, lineWidth_));
        painter.drawLine(*line_);
        return;
    }
    // A level or upright line fills its box, which is as thick as the line.
    drawFrame(painter, QRectF(rect()), colour_, colour_, lineWidth_);
}

ShapeBinding::ShapeBinding(const Shape& shape, QWidget* parent)
    : WidgetBinding(shape, new OutlineWidget(parent), kDrawn),
      model_(shape),
      outline_(static_cast<OutlineWidget*>(widget())) {}

void ShapeBinding::setZoom(double zoom) {
    WidgetBinding::setZoom(zoom);
    outline_->setLineWidth(borderWidth(zoom));
}

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
    LineBinding::setZoom(1.0);
}

void LineBinding::setZoom(double zoom) {
    // The line runs from (left, top) to (left + width, top + height); the widget
    // is the box around it, as thick as the line at least.
    const Twips& g = model_.geometry;
    const QPoint from(toPixels(g.left, zoom), toPixels(g.top, zoom));
    const QPoint to(toPixels(g.left + g.width, zoom), toPixels(g.top + g.height, zoom));
    const int thickness = borderWidth(zoom);
    QRect box = QRect(from, to).normalized();
    box.setWidth(std::max(box.width(), thickness));
    box.setHeight(std::max(box.height(), thickness));
    outline_->setGeometry(box);
    outline_->setLineWidth(thickness);
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
