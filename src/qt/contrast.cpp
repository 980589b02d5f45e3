#include "qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace lurnatik {
namespace {

// Styles shade a focused selection lighter towards its bottom and lay a tinted
// focus frame over it: the highlight they start from must leave the text
// readable through both.
constexpr double kSelectionContrast = 6.0;

double luminance(const QColor& colour) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// The background moved towards black or white, away from the text, in small
// steps until the text is readable on it.
QColor readableBackground(const QColor& background, const QColor& text) {
    constexpr int kSteps = 50;
    const QColor away = luminance(text) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step < kSteps; ++step) {
        const QColor candidate = mixed(background, away, static_cast<double>(step) / kSteps);
        if (contrastRatio(candidate, text) >= kSelectionContrast) {
            return candidate;
        }
    }
    return away;
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QPalette withReadableSelection(QPalette palette) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = palette.color(group, QPalette::HighlightedText);
        palette.setColor(group, QPalette::Highlight,
                         readableBackground(palette.color(group, QPalette::Highlight), text));
    }
    return palette;
}

}  // namespace lurnatik
