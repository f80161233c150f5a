#include "record_page.h"

#include "painter_canvas.h"

#include <QPainter>

#include <algorithm>

namespace orva {

RecordPlacement FitRecord(const ReportExtent &extent, const PageState &page)
{
    const QRectF area(page.origin, QPointF(page.printable.x() + page.printable.width(),
                                           page.printable.y() + page.printable.height()));
    const double width = extent.width * page.pixelsPerMmX / 10;
    const double height = extent.height * page.pixelsPerMmY / 10;
    double scale = 1;
    if (width > 0)
        scale = std::min(scale, area.width() / width);
    if (height > 0)
        scale = std::min(scale, area.height() / height);
    scale = std::max(scale, 0.0);
    return {QPointF(area.left() + (area.width() - width * scale) / 2, area.top()), scale};
}

RecordPlacement PlaceRecord(const T_Command_DEVICE &model, QPainter &painter, const PageState &page,
                            const ReportPage &layout)
{
    const PainterCanvas fonts(painter, page);
    return FitRecord(MeasureConfigurationReport(model, fonts, layout), page);
}

void DrawRecordOnPage(const T_Command_DEVICE &model, QPainter &painter, const PageState &page,
                      const QString &printDate)
{
    const ReportPage layout{LayoutPageWidth, printDate};
    const RecordPlacement placement = PlaceRecord(model, painter, page, layout);

    // The record is drawn from its own origin; the painter moves and scales it onto the page.
    PageState placed = page;
    placed.origin = QPoint(0, 0);
    painter.save();
    painter.translate(placement.origin);
    painter.scale(placement.scale, placement.scale);
    PainterCanvas canvas(painter, placed);
    DrawConfigurationReport(model, canvas, layout);
    painter.restore();
}

} // namespace orva
