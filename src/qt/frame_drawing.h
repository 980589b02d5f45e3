#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace lurnatik {

// A frame drawn as four filled strips inside `rect`, `width` pixels wide. A strip
// of a pixel covers at least one device pixel at every scale, where a line on the
// rectangle's edge can fall just outside the widget at a fractional scale and
// vanish. The top and left strips take `topLeft`, the others `bottomRight`.
void drawFrame(QPainter& painter, const QRectF& rect, const QColor& topLeft,
               const QColor& bottomRight, qreal width = 1);

}  // namespace lurnatik
