#include "qt/qt_convert.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace lurnatik {

int toPixels(int twips, double zoom) {
    return static_cast<int>(std::lround(twips * zoom / kTwipsPerPixel));
}

QRect toPixels(const Twips& twips, double zoom) {
    const int left = toPixels(twips.left, zoom);
    const int top = toPixels(twips.top, zoom);
    // Width and height from the rounded edges, so neighbours that touch in twips
    // touch on screen too.
    return QRect(left, top, toPixels(twips.left + twips.width, zoom) - left,
                 toPixels(twips.top + twips.height, zoom) - top);
}

int borderWidth(double zoom) {
    return std::max(1, atZoom(1, zoom));
}

int atZoom(int pixels, double zoom) {
    return static_cast<int>(std::lround(pixels * zoom));
}

QColor toQColor(Colour colour) {
    if (isDesktopColour(colour)) {
        const QPalette palette = QGuiApplication::palette();
        switch (colour) {
            case colours::infoBackground:
                return palette.color(QPalette::ToolTipBase);
            case colours::window:
                return palette.color(QPalette::Base);
            case colours::windowText:
                return palette.color(QPalette::Text);
            case colours::buttonFace:
                return palette.color(QPalette::Button);
            case colours::buttonText:
                return palette.color(QPalette::ButtonText);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

namespace {

// The desktop's text colour that belongs to a desktop background.
QPalette::ColorRole textRoleOn(Colour background) {
    switch (background) {
        case colours::infoBackground:
            return QPalette::ToolTipText;
        case colours::window:
            return QPalette::Text;
        case colours::buttonFace:
            return QPalette::ButtonText;
        default:
            return QPalette::WindowText;
    }
}

}  // namespace

QColor textColourOn(Colour background, Colour foreground) {
    if (isDesktopColour(background)) {
        return QGuiApplication::palette().color(QPalette::Active, textRoleOn(background));
    }
    return toQColor(isDesktopColour(foreground) ? kDarkText : foreground);
}

QColor greyedTextOn(Colour background) {
    if (!isDesktopColour(background)) {
        return toQColor(kGreyedText);
    }
    const QPalette palette = QGuiApplication::palette();
    const QPalette::ColorRole role = textRoleOn(background);
    const QColor greyed = palette.color(QPalette::Disabled, role);
    // Schemes give no disabled colour for text on the info colour (it is the
    // enabled one): a disabled control there is greyed as a disabled button is.
    if (greyed == palette.color(QPalette::Active, role)) {
        return palette.color(QPalette::Disabled, QPalette::ButtonText);
    }
    return greyed;
}

namespace {

const QString kDejaVuSans = QStringLiteral("DejaVu Sans");

// Every Windows has the old sans face's TrueType twin and a fixed-pitch face;
// elsewhere DejaVu stands in.
const QString& sansFace() {
    static const QString face =
        firstInstalled({QStringLiteral("Microsoft Sans Serif"), kDejaVuSans});
    return face;
}
const QString& fixedFace() {
    static const QString face =
        firstInstalled({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Lucida Console")});
    return face;
}

}  // namespace

QString firstInstalled(std::initializer_list<QString> faces) {
    for (const QString& face : faces) {
        if (QFontDatabase::hasFamily(face)) {
            return face;
        }
    }
    return *faces.begin();
}

QFont toQFont(const Font& font, int maxPixelHeight, double zoom) {
    const bool fixedPitch = font.face == "Terminal";
    QFont result(fixedPitch ? fixedFace() : sansFace());
    result.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    result.setBold(font.bold);
    if (!fixedPitch) {
        // DejaVu's semi-condensed cut comes nearest to the old face's widths, so
        // the captions fit the boxes drawn for them.
        if (sansFace() == kDejaVuSans) {
            result.setStretch(QFont::SemiCondensed);
        }
        result.setPointSizeF(font.points * zoom);
        return result;
    }
    // Pixel sizes, so the fit does not depend on the screen's resolution.
    int pixels = std::max(1, static_cast<int>(std::lround(font.points * 96.0 / 72.0 * zoom)));
    const int smallest = atZoom(6, zoom);
    result.setPixelSize(pixels);
    while (maxPixelHeight > 0 && pixels > smallest &&
           QFontMetrics(result).height() > maxPixelHeight) {
        result.setPixelSize(--pixels);
    }
    return result;
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

QString captionText(std::string_view caption) {
    QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace lurnatik
