#include "page_setup.h"

#include "report/report_metrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

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
    page.printable = printableArea;
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
