#pragma once

#include "device_model/device.h"

#include <QByteArray>
#include <QDate>
#include <QPageLayout>
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

// The record of `model` as a PDF document drawn in memory, as on a printer with `layout`'s paper,
// orientation and margins at `resolution` dots per inch, fitted to the printable area; `title` becomes
// the document's title. Nothing touches the disk, so the bytes are whole or the result is a failure.
// Needs a QGuiApplication (fonts and painting), no printing support.
PdfResult RenderRecordPdf(const T_Command_DEVICE &model, const QPageLayout &layout, int resolution,
                          const QString &title, const QDate &printDate);

// The command line's record: RenderRecordPdf on A4 with the 10 mm margin, titled as a print job.
PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate);

} // namespace orva
