#pragma once
// The window's zoom: one factor for every control, font and border, chosen by
// the keys, the wheel or the window's size. The model knows nothing of it.

#include <QSize>
#include <Qt>

namespace lurnatik {

constexpr double kSmallestZoom = 1.0;
constexpr double kLargestZoom = 4.0;
constexpr double kZoomStep = 0.25;

// The next step of 25 % above or below a factor (which may lie between steps),
// within the zoom's range.
double zoomIn(double zoom);
double zoomOut(double zoom);

// The largest factor at which the design fits the area, within the zoom's range.
double zoomToFit(QSize area, QSize design);

// The area the design takes at a factor, whole pixels that hold it.
QSize sizeAtZoom(QSize design, double zoom);

enum class ZoomKey { None, In, Out, Reset };

// Ctrl with Plus, Minus or 0, on the main keys of German and US keyboards and on
// the keypad; US keyboards give Plus as Shift and Equal.
ZoomKey zoomKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace lurnatik
