#pragma once

#include "device_model/device.h"
#include "report_canvas.h"

#include <QDate>
#include <QString>

namespace orva {

// What the record needs to know about the page besides the model.
struct ReportPage
{
    int width = 0;     // the page width in tenths of a millimetre; the signature line ends 15 mm before it
    QString printDate; // the footer's date text
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

} // namespace orva
