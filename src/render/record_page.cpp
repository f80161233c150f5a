#include "record_page.h"

#include "painter_canvas.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace orva {
namespace {

// The room kept around the record's extent, tenths of a millimetre: the frames at its edges stand on
// them, half a pen outside.
constexpr int Border = 5;

} // namespace

RecordPlacement FitRecord(const ReportExtent &extent, const PageState &page)
{
    const QRectF area(page.origin, QPointF(page.printable.x() + page.printable.width(),
                                           page.printable.y() + page.printable.height()));
    const double borderX = Border * page.pixelsPerMmX / 10;
    const double borderY = Border * page.pixelsPerMmY / 10;
    const double width = extent.width * page.pixelsPerMmX / 10 + 2 * borderX;
    const double height = extent.height * page.pixelsPerMmY / 10 + 2 * borderY;
    double scale = 1;
    if (width > 0)
        scale = std::min(scale, area.width() / width);
    if (height > 0)
        scale = std::min(scale, area.height() / height);
    scale = std::max(scale, 0.0);
    return {QPointF(area.left() + (area.width() - width * scale) / 2 + borderX * scale,
                    area.top() + borderY * scale),
            scale};
}

RecordPlacement PlaceRecord(const T_Command_DEVICE &model, QPainter &painter, const PageState &page,
                            const ReportPage &layout)
{
    const PainterCanvas fonts(painter, page);
    return FitRecord(MeasureConfigurationReport(model, fonts, layout), page);
}

double RecordScaleOn(const T_Command_DEVICE &model, const QPageLayout &layout, int resolution,
                     const QString &printDate)
{
    // The fonts are measured on an image of the page's resolution, as the page set-up measures them.
    constexpr double InchesPerMetre = 1000 / 25.4;
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(resolution * InchesPerMetre));
    probe.setDotsPerMeterY(qRound(resolution * InchesPerMetre));
    QPageLayout standard = layout;
    standard.setMode(QPageLayout::StandardMode);
    QPainter painter(&probe);
    const PageState page = SetupDevicePage(painter, standard.paintRectPixels(resolution), 0, 0);
    return PlaceRecord(model, painter, page, ReportPage{LayoutPageWidth, printDate}).scale;
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
