#pragma once

#include "device_model/device.h"
#include "report_canvas.h"

#include <QDate>
#include <QString>

namespace orva {

// The record is laid out for a portrait A4 page: 210 mm on its grid of 25 mm to the inch, in tenths.
// A printer or PDF page of another size or orientation gets the same layout, scaled to fit.
inline constexpr int LayoutPageWidth = 2067;

// What the record needs to know about the page besides the model.
struct ReportPage
{
    int width = LayoutPageWidth; // tenths of a millimetre; the signature line ends 15 mm before it
    QString printDate;           // the footer's date text
};

// How far the drawn record reaches from the origin, in tenths of a millimetre.
struct ReportExtent
{
    int width = 0;
    int height = 0;
};

// The footer's date: the program's short date form ("10.12.2026"), whatever the system's locale.
QString ReportDateText(const QDate &date);

// Draws the whole one-page record of `model` on `canvas`. The model is only read.
ReportExtent DrawConfigurationReport(const T_Command_DEVICE &model, ReportCanvas &canvas,
                                     const ReportPage &page);

// The room the record of `model` takes, measured in the fonts of `fonts`, without drawing anything.
ReportExtent MeasureConfigurationReport(const T_Command_DEVICE &model, const ReportCanvas &fonts,
                                        const ReportPage &page);

} // namespace orva
