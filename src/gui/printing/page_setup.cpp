#include "page_setup.h"

#include "report/report_metrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace orva {
namespace {

// The report grid's millimetre: a twenty-fifth of an inch.
constexpr double MillimetresPerInchFactor = 0.04;

int toTenths(double pixels, double pixelsPerMm)
{
    return pixelsPerMm > 0 ? RoundHalfEven(pixels * 10 / pixelsPerMm) : 0;
}

PageState finishSetup(PageState page, QPainter &painter, const QRect &printableArea, int leftMargin,
                      int topMargin)
{
    const QPaintDevice *device = painter.device();
    page.pagePixels = printableArea.size();
    page.origin = printableArea.topLeft() + QPoint(leftMargin, topMargin);
    page.pixelsPerMmX = device->logicalDpiX() * MillimetresPerInchFactor;
    page.pixelsPerMmY = device->logicalDpiY() * MillimetresPerInchFactor;
    page.pageWidth = toTenths(printableArea.width(), page.pixelsPerMmX);
    page.pageHeight = toTenths(printableArea.height(), page.pixelsPerMmY);

    painter.setFont(ReportFont());
    const QFontMetricsF metrics(painter.font(), painter.device());
    page.lineHeight = toTenths(metrics.height(), page.pixelsPerMmY);
    page.charWidth = toTenths(metrics.horizontalAdvance(u'0'), page.pixelsPerMmX);
    return page;
}

} // namespace

QPoint PageState::toDevice(int x, int y) const
{
    return QPoint(int(x * pixelsPerMmX / 10) + origin.x(), int(y * pixelsPerMmY / 10) + origin.y());
}

QFont ReportFont()
{
    QFont font(QStringLiteral("Courier New"), 11);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

PageState SetupPrinterPage(QPrinter &printer, QPainter &painter, int leftMargin, int topMargin)
{
    return SetupLayoutPage(printer.pageLayout(), printer.resolution(), printer.printerName(), painter,
                           leftMargin, topMargin);
}

PageState SetupLayoutPage(const QPageLayout &layout, int resolution, const QString &deviceName,
                          QPainter &painter, int leftMargin, int topMargin)
{
    PageState page;
    page.printerName = deviceName;
    page.orientation = layout.orientation();
    // The printable area is what the printer's minimum margins leave; in full-page mode its corner is
    // the printer's physical offset from the paper's corner.
    const QPageLayout printable(layout.pageSize(), layout.orientation(), layout.minimumMargins(),
                                layout.units(), layout.minimumMargins());
    return finishSetup(page, painter, printable.paintRectPixels(resolution), leftMargin, topMargin);
}

PageState SetupDevicePage(QPainter &painter, const QRect &printableArea, int leftMargin, int topMargin,
                          const QString &deviceName)
{
    PageState page;
    page.printerName = deviceName;
    page.orientation =
        printableArea.width() > printableArea.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return finishSetup(page, painter, printableArea, leftMargin, topMargin);
}

} // namespace orva
