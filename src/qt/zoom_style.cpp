#include "qt/zoom_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <cmath>

namespace lurnatik {
namespace {

bool grows(QStyle::PixelMetric metric) {
    switch (metric) {
        case QStyle::PM_ExclusiveIndicatorWidth:
        case QStyle::PM_ExclusiveIndicatorHeight:
        case QStyle::PM_IndicatorWidth:
        case QStyle::PM_IndicatorHeight:
        case QStyle::PM_RadioButtonLabelSpacing:
        case QStyle::PM_ScrollBarExtent:
        case QStyle::PM_ScrollBarSliderMin:
        case QStyle::PM_FocusFrameHMargin:
        case QStyle::PM_FocusFrameVMargin:
        case QStyle::PM_ListViewIconSize:
        case QStyle::PM_SmallIconSize:
        case QStyle::PM_DefaultFrameWidth:
            return true;
        default:
            return false;
    }
}

// The complex controls whose every line and arrow the style draws itself.
bool drawnAtDesign(QStyle::ComplexControl control) {
    return control == QStyle::CC_ComboBox || control == QStyle::CC_ScrollBar;
}

int scaled(int value, double zoom) {
    return static_cast<int>(std::lround(value * zoom));
}

}  // namespace

ZoomStyle::ZoomStyle() : QProxyStyle(QApplication::style()->name()) {}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return atDesign() || !grows(metric) ? value : scaled(value, zoom_);
}

QRect ZoomStyle::toDesign(const QRect& rect) const {
    return QRect(scaled(rect.x(), 1 / zoom_), scaled(rect.y(), 1 / zoom_),
                 scaled(rect.width(), 1 / zoom_), scaled(rect.height(), 1 / zoom_));
}

// Draws with a copy of the option sized for 100 %, on the painter scaled so that
// the drawing covers the option's own rectangle.
template <class Option, class Draw>
void ZoomStyle::drawAtDesign(const QStyleOption* option, QPainter* painter, Draw draw) const {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (typed == nullptr) {
        draw(option);
        return;
    }
    Option design = *typed;
    design.rect = toDesign(option->rect);
    painter->save();
    painter->translate(option->rect.topLeft());
    painter->scale(static_cast<qreal>(option->rect.width()) / std::max(1, design.rect.width()),
                   static_cast<qreal>(option->rect.height()) / std::max(1, design.rect.height()));
    painter->translate(-design.rect.topLeft());
    ++designDepth_;
    draw(&design);
    --designDepth_;
    painter->restore();
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    const auto base = [&](const QStyleOption* o) {
        QProxyStyle::drawPrimitive(element, o, painter, widget);
    };
    const bool zoomed = !atDesign();
    if (zoomed && element == PE_FrameFocusRect) {
        drawAtDesign<QStyleOptionFocusRect>(option, painter, base);
    } else if (zoomed && (element == PE_IndicatorRadioButton || element == PE_PanelButtonCommand)) {
        drawAtDesign<QStyleOptionButton>(option, painter, base);
    } else if (zoomed && element == PE_PanelLineEdit) {
        drawAtDesign<QStyleOptionFrame>(option, painter, base);
    } else {
        base(option);
    }
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    const auto base = [&](const QStyleOption* o) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(o),
                                        painter, widget);
    };
    if (atDesign() || !drawnAtDesign(control)) {
        base(option);
    } else if (control == CC_ComboBox) {
        drawAtDesign<QStyleOptionComboBox>(option, painter, base);
    } else {
        drawAtDesign<QStyleOptionSlider>(option, painter, base);
    }
}

// Where a part lies is where the drawing at 100 % puts it, grown by the zoom.
QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl part, const QWidget* widget) const {
    const auto base = [&](const QStyleOptionComplex* o) {
        return QProxyStyle::subControlRect(control, o, part, widget);
    };
    if (atDesign() || !drawnAtDesign(control)) {
        return base(option);
    }
    const QRect design = toDesign(option->rect);
    const auto atDesignSize = [&](const auto* typed) {
        auto copy = *typed;
        copy.rect = design;
        ++designDepth_;
        const QRect found = base(&copy);
        --designDepth_;
        return found;
    };
    QRect found;
    if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
        found = atDesignSize(combo);
    } else if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
        found = atDesignSize(slider);
    } else {
        return base(option);
    }
    const double x = static_cast<double>(option->rect.width()) / std::max(1, design.width());
    const double y = static_cast<double>(option->rect.height()) / std::max(1, design.height());
    const auto at = [](int from, int to, double factor, int origin) {
        return origin + static_cast<int>(std::lround((to - from) * factor));
    };
    const int left = at(design.left(), found.left(), x, option->rect.left());
    const int top = at(design.top(), found.top(), y, option->rect.top());
    const int right = at(design.left(), found.left() + found.width(), x, option->rect.left());
    const int bottom = at(design.top(), found.top() + found.height(), y, option->rect.top());
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace lurnatik
