#pragma once
// The rectangle shapes and the line: drawn on the window, never taking input.

#include <QColor>
#include <QLine>
#include <QWidget>
#include <optional>

#include "model/controls.h"
#include "qt/widget_binding.h"

namespace lurnatik {

class OutlineWidget : public QWidget {
  public:
    explicit OutlineWidget(QWidget* parent);
    void setColour(const QColor& colour);
    void setLineWidth(int width);
    // A line in the widget's coordinates; without one the widget draws its border.
    void setLine(const QLine& line) { line_ = line; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int lineWidth_ = 1;
    std::optional<QLine> line_;
};

class ShapeBinding : public WidgetBinding {
  public:
    ShapeBinding(const Shape& shape, QWidget* parent);
    void sync() override;
    void setZoom(double zoom) override;

  private:
    const Shape& model_;
    OutlineWidget* outline_;
    Colour colour_ = 0;
    bool first_ = true;
};

class LineBinding : public WidgetBinding {
  public:
    LineBinding(const Line& line, QWidget* parent);
    void sync() override;
    void setZoom(double zoom) override;

  private:
    const Line& model_;
    OutlineWidget* outline_;
    Colour colour_ = 0;
    bool first_ = true;
};

}  // namespace lurnatik
