#pragma once

#include "page_setup.h"
#include "report/report_canvas.h"

#include <QFont>

class QPainter;

namespace orva {

// The record's canvas on a QPainter: a printer, a PDF or an image, set up by the page set-up.
class PainterCanvas final : public ReportCanvas
{
public:
    PainterCanvas(QPainter &painter, const PageState &page);

    void drawText(int x, int y, const QString &text, TextAlign align, FontStyle style,
                  const QString &fontName = QString(), int pointSize = 0) override;
    void drawLine(int x1, int y1, int x2, int y2, PenStyle style, int width) override;
    void drawRectangle(int x1, int y1, int x2, int y2, std::optional<ReportColor> fill, PenStyle style,
                       int width) override;
    int textWidth(const QString &text, FontStyle style = FontStyle::Normal) const override;
    int textHeight(const QString &text, FontStyle style = FontStyle::Normal) const override;
    double textAdvance(const QString &text, FontStyle style = FontStyle::Normal) const override;

private:
    QFont styled(FontStyle style) const;
    // The device width of a pen of `dots` dots of a 300-dpi printer.
    qreal penWidth(int dots) const;

    QPainter &m_painter;
    PageState m_page;
    int m_penWidth = 1; // kept between lines, as a printer's pen keeps its width
};

// The report's pen widths count dots of this resolution (see ReportCanvas).
inline constexpr int PenDotsPerInch = 300;

} // namespace orva
