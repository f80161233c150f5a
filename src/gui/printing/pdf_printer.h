#pragma once

#include "device_model/device.h"
#include "print_flow.h"

#include <QDate>
#include <QString>

class QPrinter;

namespace orva {

// A printer that writes a PDF file: A4 portrait, margins 0, 300 dots per inch. It is what the print
// dialog's print-to-file amounts to.
void ConfigurePdfPrinter(QPrinter &printer, const QString &path);

// Proposes `path` as the print dialog's print-to-file name, leaving a chosen printer chosen (where the
// dialog has a file name field: Qt's own dialog on Linux and the other Unix systems).
void ProposePrintFile(QPrinter &printer, const QString &path);

// True when the printer chosen in the print dialog writes a PDF file ("print to file").
bool PrintsToPdfFile(const QPrinter &printer);

// Prints to the printer's PDF file: the record drawn in memory with the printer's page layout,
// resolution and job title, then written through the one writer (WriteFileAtomically). A file that
// cannot be written completely, or is write-protected, is a failed print ("Ошибка печати" with the
// writer's hint) and a file that was there stays byte for byte as it was.
PrintResult PrintRecordToPdfFile(const T_Command_DEVICE &model, const QPrinter &printer,
                                 const QDate &printDate);

} // namespace orva
