#include "print_flow.h"

#include "page_setup.h"
#include "pdf_printer.h"
#include "print_queue.h"
#include "record_page.h"
#include "report/configuration_report.h"
#include "report/print_identifier.h"

#include <QPainter>
#include <QPrinter>

namespace orva {

PrintResult PrintFailure(const QString &hint)
{
    return PrintResult{PrintOutcome::Failed, QStringLiteral("Ошибка печати"), hint};
}

PrintNotice ReducedRecordNotice(double scale)
{
    return {QStringLiteral("Формуляр будет напечатан уменьшенным до %1%").arg(qRound(scale * 100)),
            QStringLiteral("Для печати в полный размер выберите книжную ориентацию или лист A4")};
}

PageState SetupPrinterPage(QPrinter &printer, QPainter &painter)
{
    // In full-page mode the layout's paint rectangle is the whole page; its margins still hold.
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    PageState page =
        SetupDevicePage(painter, layout.paintRectPixels(printer.resolution()), 0, 0, printer.printerName());
    page.orientation = layout.orientation();
    return page;
}

PrintResult PrintConfigurationRecord(const T_Command_DEVICE &model, QPrinter &printer, const QDate &printDate)
{
    // Device coordinates from the paper's corner, so that the printer's unprintable edge is the origin.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintFailure(QStringLiteral("Проверьте принтер: задание печати не удалось начать"));

    DrawRecordOnPage(model, painter, SetupPrinterPage(printer, painter), ReportDateText(printDate));

    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return PrintFailure(QStringLiteral("Проверьте принтер: задание печати не удалось завершить"));
    // Painting ended well; whether the queue took the job is the queue's answer.
    if (PrintsToQueue(printer) && !QueueRefusal().isEmpty())
        return PrintFailure(QStringLiteral("Проверьте принтер: очередь печати не приняла задание"));
    return PrintResult{};
}

PrintResult RunPrintFlow(T_Command_DEVICE &model, QPrinter &printer, const AskPrinter &askPrinter,
                         const QDate &printDate, const ConfirmReduced &confirmReduced)
{
    NormalizeIdentifierForPrint(model);
    for (;;) {
        if (!askPrinter || !askPrinter(printer))
            return PrintResult{PrintOutcome::Cancelled, {}, {}};
        const double scale =
            RecordScaleOn(model, printer.pageLayout(), printer.resolution(), ReportDateText(printDate));
        if (scale >= ReducedRecordScale || !confirmReduced || confirmReduced(scale))
            break;
    }
    printer.setDocName(PrintJobTitle(model));
    if (PrintsToPdfFile(printer))
        return PrintRecordToPdfFile(model, printer, printDate);
    return PrintConfigurationRecord(model, printer, printDate);
}

} // namespace orva
