#pragma once
// Fitting a caption into the box that shows it. A caption that does not fit is
// drawn in a smaller size of the same font, just small enough that every line and
// every word fits; below the smallest size it is cut with an ellipsis. Only as much
// of a caption is read as the box could show at the smallest size, so a caption of
// any length costs the same to show.

#include <QFont>
#include <QSize>
#include <QString>
#include <cstddef>
#include <string_view>

namespace lurnatik {

// The smallest font size, in pixels, that fitting goes down to: small enough that
// 15 digits fit the narrowest counter of the window.
inline constexpr int kMinimumFontPixels = 4;

struct FittedCaption {
    QFont font;
    QString text;  // the lines to draw, separated by line feeds
};

// How many bytes of a caption a box can show at the smallest size, at most.
std::size_t shownBytes(const QFont& font, QSize box);

// The first `bytes` of a caption, cut at a whole character.
std::string_view shownPart(std::string_view caption, std::size_t bytes);

// `text` with its lines separated by line feeds; `more` when the caption goes on
// beyond `text`.
FittedCaption fitCaption(const QString& text, bool more, const QFont& font, QSize box);

}  // namespace lurnatik
