#include "print_flow.h"

#include "page_setup.h"
#include "painter_canvas.h"
#include "pdf_output.h"
#include "report/configuration_report.h"
#include "report/print_identifier.h"

#include <QPainter>
#include <QPrinter>

namespace orva {

PrintResult PrintFailure(const QString &hint)
{
    return PrintResult{PrintOutcome::Failed, QStringLiteral("Ошибка печати"), hint};
}

void DrawRecord(const T_Command_DEVICE &model, QPainter &painter, const PageState &page,
                const QDate &printDate)
{
    PainterCanvas canvas(painter, page);
    DrawConfigurationReport(model, canvas, ReportPage{page.pageWidth, ReportDateText(printDate)});
}

PrintResult PrintConfigurationRecord(const T_Command_DEVICE &model, QPrinter &printer, const QDate &printDate)
{
    // Device coordinates from the paper's corner, so that the printer's unprintable edge is the origin.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintFailure(QStringLiteral("Проверьте принтер: задание печати не удалось начать"));

    DrawRecord(model, painter, SetupPrinterPage(printer, painter, 0, 0), printDate);

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return PrintFailure(QStringLiteral("Проверьте принтер: задание печати не удалось завершить"));
    return PrintResult{};
}

PrintResult RunPrintFlow(T_Command_DEVICE &model, QPrinter &printer, const AskPrinter &askPrinter,
                         const QDate &printDate)
{
    NormalizeIdentifierForPrint(model);
    if (!askPrinter || !askPrinter(printer))
        return PrintResult{PrintOutcome::Cancelled, {}, {}};
    printer.setDocName(PrintJobTitle(model));
    if (PrintsToPdfFile(printer))
        return PrintRecordToPdfFile(model, printer, printDate);
    return PrintConfigurationRecord(model, printer, printDate);
}

} // namespace orva
