#pragma once

#include "device_model/device.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class QPrinter;

namespace orva {

// A printer that writes a PDF file: A4 portrait, margins 0, 300 dots per inch (a laser printer's grid,
// so that the record's pen widths look as on paper).
void ConfigurePdfPrinter(QPrinter &printer, const QString &path);

struct PdfResult
{
    bool ok = false;
    QByteArray bytes; // the PDF document
    QString error;
};

// The record of `model` as a PDF document, drawn exactly as on a printer; the job title becomes the
// document's title. Needs a QGuiApplication (fonts and painting).
PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate);

} // namespace orva
