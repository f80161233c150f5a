#pragma once

#include "device_model/device.h"
#include "print_flow.h"

#include <QByteArray>
#include <QDate>
#include <QPageLayout>
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

// The record of `model` as a PDF document drawn in memory, exactly as on a printer with `layout`'s
// paper, orientation and unprintable edges at `resolution` dots per inch; `title` becomes the document's
// title. Nothing touches the disk, so the bytes are whole or the result is a failure. Needs a
// QGuiApplication (fonts and painting).
PdfResult RenderRecordPdf(const T_Command_DEVICE &model, const QPageLayout &layout, int resolution,
                          const QString &title, const QDate &printDate);

// The record as the PDF printer of ConfigurePdfPrinter draws it; the job title becomes the title.
PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate);

// True when the printer chosen in the print dialog writes a PDF file ("print to file").
bool PrintsToPdfFile(const QPrinter &printer);

// Prints to the printer's PDF file: the record drawn in memory with the printer's page layout,
// resolution and job title, then written through the one writer (WriteFileAtomically). A file that
// cannot be written completely, or is write-protected, is a failed print ("Ошибка печати" with the
// writer's hint) and a file that was there stays byte for byte as it was.
PrintResult PrintRecordToPdfFile(const T_Command_DEVICE &model, const QPrinter &printer,
                                 const QDate &printDate);

} // namespace orva
