#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace orva {

// Coordinates of the report are tenths of a millimetre from the drawing origin, x to the right, y
// downwards. Pen widths are dots of a 300-dpi printer (2 dots are about 0.17 mm): a canvas draws them
// at that physical width on every device, so that a 1200-dpi printer draws no hairlines.

enum class FontStyle : quint8 {
    Normal,
    Bold,
    BoldUnderline,
};

enum class TextAlign : quint8 {
    Left,  // the point is the text's bottom-left corner
    Right, // the point is the text's bottom-right corner
};

enum class PenStyle : quint8 {
    Solid,
    Dash,
    Dot,
};

struct ReportColor
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const ReportColor &, const ReportColor &) = default;
};

// The stripe colour behind alternate rows.
inline constexpr ReportColor SilverColor{192, 192, 192};

// The surface the configuration record is drawn on: the three drawing primitives of the printer and
// the measurement of a text in the report font. A printer or PDF canvas draws them with QPainter;
// tests record them.
class ReportCanvas
{
public:
    virtual ~ReportCanvas() = default;

    // A text placed by its bottom corner (left or right). An empty font name or a size of 0 keeps the
    // current font or size; the style is always set.
    virtual void drawText(int x, int y, const QString &text, TextAlign align, FontStyle style,
                          const QString &fontName = QString(), int pointSize = 0) = 0;

    // A line between two points. A width of 0 keeps the current pen width.
    virtual void drawLine(int x1, int y1, int x2, int y2, PenStyle style, int width) = 0;

    // A rectangle between two corners, filled solid with `fill` or left transparent without it; a
    // width of 0 draws no outline.
    virtual void drawRectangle(int x1, int y1, int x2, int y2, std::optional<ReportColor> fill,
                               PenStyle style, int width) = 0;

    // The size of a text in the report font with the given style, in tenths of a millimetre, rounded.
    virtual int textWidth(const QString &text, FontStyle style = FontStyle::Normal) const = 0;
    virtual int textHeight(const QString &text, FontStyle style = FontStyle::Normal) const = 0;
    // The width of a text as the font advances it, unrounded: a column of n characters is n times the
    // advance of one, without the drift of a rounded character width.
    virtual double textAdvance(const QString &text, FontStyle style = FontStyle::Normal) const = 0;
};

} // namespace orva
