#include "painter_canvas.h"

#include "report/report_metrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace orva {
namespace {

Qt::PenStyle qtPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

void applyStyle(QFont &font, FontStyle style)
{
    font.setBold(style != FontStyle::Normal);
    font.setUnderline(style == FontStyle::BoldUnderline);
}

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, const PageState &page) : m_painter(painter), m_page(page) {}

QFont PainterCanvas::styled(FontStyle style) const
{
    QFont font = m_painter.font();
    applyStyle(font, style);
    return font;
}

void PainterCanvas::drawText(int x, int y, const QString &text, TextAlign align, FontStyle style,
                             const QString &fontName, int pointSize)
{
    QFont font = m_painter.font();
    if (!fontName.isEmpty())
        font.setFamily(fontName);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    applyStyle(font, style);
    m_painter.setFont(font);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setPen(QPen(Qt::black));

    // The point is the text's bottom corner: the baseline sits the font's descent above it.
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const QPoint point = m_page.toDevice(x, y);
    const qreal left = align == TextAlign::Left ? point.x() : point.x() - metrics.horizontalAdvance(text);
    m_painter.drawText(QPointF(left, point.y() - metrics.descent()), text);
}

qreal PainterCanvas::penWidth(int dots) const
{
    return qreal(dots) * m_painter.device()->logicalDpiX() / PenDotsPerInch;
}

void PainterCanvas::drawLine(int x1, int y1, int x2, int y2, PenStyle style, int width)
{
    if (width != 0)
        m_penWidth = width;
    m_painter.setPen(QPen(QBrush(Qt::black), penWidth(m_penWidth), qtPenStyle(style), Qt::FlatCap));
    m_painter.drawLine(m_page.toDevice(x1, y1), m_page.toDevice(x2, y2));
}

void PainterCanvas::drawRectangle(int x1, int y1, int x2, int y2, std::optional<ReportColor> fill,
                                  PenStyle style, int width)
{
    if (width == 0) {
        m_painter.setPen(Qt::NoPen);
    } else {
        m_penWidth = width;
        m_painter.setPen(
            QPen(QBrush(Qt::black), penWidth(width), qtPenStyle(style), Qt::SquareCap, Qt::MiterJoin));
    }
    if (fill)
        m_painter.setBrush(QColor(fill->red, fill->green, fill->blue));
    else
        m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(m_page.toDevice(x1, y1), m_page.toDevice(x2, y2)).normalized());
}

int PainterCanvas::textWidth(const QString &text, FontStyle style) const
{
    return RoundHalfEven(textAdvance(text, style));
}

double PainterCanvas::textAdvance(const QString &text, FontStyle style) const
{
    if (m_page.pixelsPerMmX <= 0)
        return 0; // a device without a resolution: nothing can be measured
    const QFontMetricsF metrics(styled(style), m_painter.device());
    return metrics.horizontalAdvance(text) * 10 / m_page.pixelsPerMmX;
}

int PainterCanvas::textHeight(const QString &text, FontStyle style) const
{
    Q_UNUSED(text); // every text of the font is one line high
    if (m_page.pixelsPerMmY <= 0)
        return 0;
    const QFontMetricsF metrics(styled(style), m_painter.device());
    return RoundHalfEven(metrics.height() * 10 / m_page.pixelsPerMmY);
}

} // namespace orva
