#pragma once
// How the window model's units, colours, fonts and texts become Qt's.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/controls.h"

namespace lurnatik {

// Twips to device-independent pixels (96 dpi) at the window's zoom; Qt scales
// them on high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;
int toPixels(int twips, double zoom = 1.0);
QRect toPixels(const Twips& twips, double zoom = 1.0);
// The width of a border or line that is one pixel at 100 %.
int borderWidth(double zoom);
// A size of `pixels` at 100 %, at the window's zoom.
int atZoom(int pixels, double zoom);

// An RGB value, or the desktop colour a value with the high bit names.
QColor toQColor(Colour colour);

// Text on a background the design fixes is dark whatever the desktop's scheme,
// and greyed, when its control is disabled, in a grey that stays visible on it.
inline constexpr Colour kDarkText = colours::black;
inline constexpr Colour kGreyedText = rgb(128, 128, 128);

// The colour of text drawn on `background`. On a fixed background: the design's
// text colour where it names one, else dark text. On a desktop colour: the
// desktop's text colour for that background, so a dark scheme keeps its contrast.
QColor textColourOn(Colour background, Colour foreground);
// The same for a disabled control.
QColor greyedTextOn(Colour background);

// The first of the faces that the font database holds (else the first), asked by name, as
// fontconfig answers any family with some face of its own; the style hint decides where
// none is there.
QString firstInstalled(std::initializer_list<QString> faces);

// The faces the window names are bitmap fonts of old Windows: "MS Sans Serif" becomes its
// TrueType twin where there is one (Windows), else the nearest sans face (DejaVu Sans,
// semi-condensed), at the same size and weight; "Terminal" a fixed-pitch face no taller than
// `maxPixelHeight` (0: no limit), so rows and boxes drawn for a small bitmap font still hold it.
// Sizes grow with the window's zoom.
QFont toQFont(const Font& font, int maxPixelHeight = 0, double zoom = 1.0);

QString toQString(const std::string& text);
// A caption's lines are separated by a carriage return; Qt breaks at line feeds.
QString captionText(std::string_view caption);

}  // namespace lurnatik
