#include "qt/frame_drawing.h"

namespace lurnatik {

void drawFrame(QPainter& painter, const QRectF& rect, const QColor& topLeft,
               const QColor& bottomRight, qreal width) {
    const qreal w = std::min({width, rect.width(), rect.height()});
    painter.fillRect(QRectF(rect.left(), rect.bottom() - w, rect.width(), w), bottomRight);
    painter.fillRect(QRectF(rect.right() - w, rect.top(), w, rect.height()), bottomRight);
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), w), topLeft);
    painter.fillRect(QRectF(rect.left(), rect.top(), w, rect.height()), topLeft);
}

}  // namespace lurnatik
