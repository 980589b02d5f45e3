#include "qt/caption_fit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>

namespace lurnatik {
namespace {

constexpr QChar kEllipsis(0x2026);
// A character is at least this wide at the smallest size, in pixels.
constexpr int kNarrowestCharsPerPixel = 2;
constexpr int kMostBytesPerChar = 4;

QFont withPixelSize(const QFont& font, int pixels) {
    QFont result = font;
    result.setPixelSize(pixels);
    return result;
}

// The most characters a box can show at the smallest size.
qsizetype shownChars(const QFont& font, QSize box) {
    const QFontMetrics smallest(withPixelSize(font, kMinimumFontPixels));
    const qsizetype rows = box.height() / std::max(1, smallest.lineSpacing()) + 1;
    return rows * (kNarrowestCharsPerPixel * static_cast<qsizetype>(box.width()) + 1);
}

int rowsHeight(const QFontMetrics& metrics, qsizetype rows) {
    return metrics.height() + static_cast<int>(rows - 1) * metrics.lineSpacing();
}

// A text laid out in rows of a box, as far as the box holds them.
struct Rows {
    QStringList rows;
    qsizetype lastStart = 0;  // where the last row begins in the text
    bool complete = true;     // every character is in a row
    bool tooWide = false;     // a word runs past the right edge
};

Rows layOut(const QString& text, const QFont& font, QSize box, QTextOption::WrapMode wrap) {
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, font);
    QTextOption option;
    option.setWrapMode(wrap);
    layout.setTextOption(option);
    const QFontMetrics metrics(font);
    Rows result;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        if (rowsHeight(metrics, result.rows.size() + 1) > box.height()) {
            result.complete = false;
            break;
        }
        result.tooWide = result.tooWide || line.naturalTextWidth() > box.width();
        QString row = laidOut.mid(line.textStart(), line.textLength());
        if (row.endsWith(QChar::LineSeparator)) {
            row.chop(1);
        } else {
            // Blanks at a wrap would shift a centred row.
            while (line.textStart() + line.textLength() < laidOut.size() && row.endsWith(' ')) {
                row.chop(1);
            }
        }
        result.rows.append(row);
        result.lastStart = line.textStart();
    }
    layout.endLayout();
    return result;
}

bool fits(const Rows& rows) {
    return rows.complete && !rows.tooWide;
}

// At the smallest size: as many rows as the box holds, broken anywhere if need
// be, the last one cut with an ellipsis when the caption goes on.
FittedCaption cutToFit(const QString& text, bool more, const QFont& font, QSize box) {
    const QFont smallest = withPixelSize(font, kMinimumFontPixels);
    Rows rows = layOut(text, smallest, box, QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (!rows.rows.isEmpty() && (more || !rows.complete)) {
        // No more than a row can hold goes into the last one.
        QString rest = text.mid(rows.lastStart, kNarrowestCharsPerPixel * box.width() + 1);
        rest.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (more) {
            rest.append(kEllipsis);
        }
        rows.rows.last() = QFontMetrics(smallest).elidedText(rest, Qt::ElideRight, box.width());
    }
    return {smallest, rows.rows.join(QLatin1Char('\n'))};
}

}  // namespace

std::size_t shownBytes(const QFont& font, QSize box) {
    return static_cast<std::size_t>(shownChars(font, box)) * kMostBytesPerChar;
}

std::string_view shownPart(std::string_view caption, std::size_t bytes) {
    if (caption.size() <= bytes) {
        return caption;
    }
    // Back to the first byte of a UTF-8 sequence.
    while (bytes > 0 && (static_cast<unsigned char>(caption[bytes]) & 0xC0) == 0x80) {
        --bytes;
    }
    return caption.substr(0, bytes);
}

FittedCaption fitCaption(const QString& caption, bool more, const QFont& font, QSize box) {
    if (box.isEmpty()) {
        return {font, QString()};
    }
    QString text = caption;
    if (const qsizetype most = shownChars(font, box); text.size() > most) {
        text.truncate(most);
        if (text.back().isHighSurrogate()) {
            text.chop(1);
        }
        more = true;
    }
    const QFontMetricsF metrics(font);
    if (!more && !text.contains(QLatin1Char('\n')) &&
        metrics.horizontalAdvance(text) <= box.width() &&
        QFontMetrics(font).height() <= box.height()) {
        return {font, text};
    }
    if (!more) {
        const Rows rows = layOut(text, font, box, QTextOption::WordWrap);
        if (fits(rows)) {
            return {font, rows.rows.join(QLatin1Char('\n'))};
        }
        // The largest smaller size at which it fits.
        FittedCaption best;
        bool found = false;
        int low = kMinimumFontPixels;
        int high = QFontInfo(font).pixelSize() - 1;
        while (low <= high) {
            const int middle = (low + high) / 2;
            const QFont smaller = withPixelSize(font, middle);
            const Rows smallerRows = layOut(text, smaller, box, QTextOption::WordWrap);
            if (fits(smallerRows)) {
                best = {smaller, smallerRows.rows.join(QLatin1Char('\n'))};
                found = true;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        if (found) {
            return best;
        }
    }
    return cutToFit(text, more, font, box);
}

}  // namespace lurnatik
