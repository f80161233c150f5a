#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace orva {

// The page state of one print job: how the report's tenths of a millimetre map to device pixels.
struct PageState
{
    QString printerName;
    QSize pagePixels; // the printable page in device pixels
    QRect printable;  // the printable area in device pixels, where the painter draws
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPoint origin; // device pixel position of the report's (0, 0)
    // The device's pixels per inch times 0.04: 25 mm count as one inch, as the record was laid out.
    double pixelsPerMmX = 0;
    double pixelsPerMmY = 0;
    int pageWidth = 0; // the printable page in tenths of a millimetre
    int pageHeight = 0;
    int lineHeight = 0; // L: the height of "Рр" in the report font, tenths of a millimetre
    int charWidth = 0;  // K: the width of "0" in the report font

    // Device x = truncate(x * pixels per mm / 10) + origin x; y likewise.
    QPoint toDevice(int x, int y) const;
};

// The record's font: Courier New, 11 pt (a metric-compatible fixed-pitch face where it is missing).
QFont ReportFont();

// The page of the painter's device: `printableArea` in device pixels, the origin its corner plus the
// margins (device pixels). Sets the painter's font to the report font.
PageState SetupDevicePage(QPainter &painter, const QRect &printableArea, int leftMargin, int topMargin,
                          const QString &deviceName = QString());

} // namespace orva
