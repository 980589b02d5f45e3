#pragma once

#include <QProxyStyle>

namespace lurnatik {

// The desktop's style with every part it draws itself grown by the window's
// zoom: option-button circles, scroll bars, the combo box's arrow, focus frames,
// item icons. Those parts are drawn as the style draws them at 100 %, on a
// painter scaled by the zoom, so their lines grow with them.
class ZoomStyle : public QProxyStyle {
  public:
    // Based on a new instance of the application's style.
    ZoomStyle();
    void setZoom(double zoom) { zoom_ = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

  private:
    // Inside a drawing at 100 %, the style's own questions get answers at 100 %.
    bool atDesign() const { return zoom_ == 1.0 || designDepth_ > 0; }
    QRect toDesign(const QRect& rect) const;
    template <class Option, class Draw>
    void drawAtDesign(const QStyleOption* option, QPainter* painter, Draw draw) const;

    double zoom_ = 1.0;
    mutable int designDepth_ = 0;
};

}  // namespace lurnatik
