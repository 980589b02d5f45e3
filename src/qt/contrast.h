#pragma once
// Contrast between text and its background, as people with low vision need it.

#include <QColor>
#include <QPalette>

namespace lurnatik {

// Text of ordinary size must stand out at least this much from its background.
inline constexpr double kReadableContrast = 4.5;

// The ratio of the lighter colour's relative luminance to the darker's, each
// plus 0.05: 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// The palette with its selection, focused and unfocused, made readable: a
// highlight that does not let its text stand out enough is darkened (under
// light text) or lightened (under dark text) just far enough.
QPalette withReadableSelection(QPalette palette);

}  // namespace lurnatik
