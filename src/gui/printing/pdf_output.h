#pragma once

#include "device_model/device.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace orva {

// The command line's PDF: A4 portrait with a printable margin of 10 mm on every side (the record is
// scaled to fit inside it), 300 dots per inch.
inline constexpr double PdfMarginMillimetres = 10;
inline constexpr int PdfResolution = 300;

struct PdfResult
{
    bool ok = false;
    QByteArray bytes; // the PDF document
    QString error;
};

// The record of `model` as a PDF document in memory, drawn as on a printer; the job title becomes the
// document's title. Needs a QGuiApplication (fonts and painting), no printing support.
PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate);

} // namespace orva
