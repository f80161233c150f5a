#pragma once

#include <QString>

class QPrinter;

namespace orva {

// A printer that writes a PDF file: A4 portrait, margins 0, 300 dots per inch. It is what the print
// dialog's print-to-file amounts to.
void ConfigurePdfPrinter(QPrinter &printer, const QString &path);

// Proposes `path` as the print dialog's print-to-file name, leaving a chosen printer chosen (where the
// dialog has a file name field: Qt's own dialog on Linux and the other Unix systems).
void ProposePrintFile(QPrinter &printer, const QString &path);

} // namespace orva
