#pragma once

#include "device_model/device.h"
#include "page_setup.h"

#include <QDate>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

namespace orva {

enum class PrintOutcome {
    Printed,
    Cancelled, // the user closed the print dialog without printing
    Failed,    // the job could not be started or finished
};

struct PrintResult
{
    PrintOutcome outcome = PrintOutcome::Printed;
    QString headline; // for the error box when the print failed
    QString hint;

    bool failed() const { return outcome == PrintOutcome::Failed; }
};

// A failed print: headline "Ошибка печати" and the hint, for the editor's error box.
PrintResult PrintFailure(const QString &hint);

// Below this factor the record on the chosen page is too small to read comfortably (A5, or A4 turned
// to landscape), and the user is told before it is printed.
inline constexpr double ReducedRecordScale = 0.8;

// What the information box says when the record would be printed at `scale` of its size: with
// "Продолжить" it is printed so, with "Отказаться" the print dialog opens again.
struct PrintNotice
{
    QString headline;
    QString hint;
};
PrintNotice ReducedRecordNotice(double scale);

// Asks whether to print the record reduced to `scale`; false returns to the print dialog.
using ConfirmReduced = std::function<bool(double scale)>;

// The page of a printer whose painter is begun in full-page mode (device coordinates from the paper's
// corner): the printable area is the page less the margins the print dialog shows (never less than the
// printer's unprintable edges), whatever size and orientation the dialog chose.
PageState SetupPrinterPage(QPrinter &printer, QPainter &painter);

// Asks the user for the printer (the standard print dialog); false when cancelled.
using AskPrinter = std::function<bool(QPrinter &printer)>;

// The print job itself on a chosen printer: begin, page set-up with both margins 0, the record laid out
// for portrait A4 and fitted to the printable area of the chosen page, end. The job title is the
// caller's. A printer that cannot start or finish the job gives Failed.
PrintResult PrintConfigurationRecord(const T_Command_DEVICE &model, QPrinter &printer,
                                     const QDate &printDate);

// "Печать" after the pages are stored into the model: the identifier is normalised into `gi` parameter 1
// (and stays so even when the dialog is cancelled), the printer is asked for (again, as long as the
// user declines a record reduced below ReducedRecordScale on the chosen page), the job titled
// "ППКОП-Orva(" + name + " " + identifier + ")" and printed. A printer that prints to a PDF file draws
// the record in memory and writes the file through the one writer (PrintRecordToPdfFile), so a file
// that cannot be written completely is a failed print and an existing file stays as it was.
PrintResult RunPrintFlow(T_Command_DEVICE &model, QPrinter &printer, const AskPrinter &askPrinter,
                         const QDate &printDate, const ConfirmReduced &confirmReduced = {});

} // namespace orva
