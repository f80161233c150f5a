#include "pdf_printer.h"

#include "pdf_output.h"
#include "storage/config_save.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace orva {

void ConfigurePdfPrinter(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(PdfResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setOutputFileName(path);
}

void ProposePrintFile(QPrinter &printer, const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt's own print dialog offers the printer's output file name for print-to-file. Setting a ".pdf"
    // name switches the printer to PDF output; a printer that was chosen is chosen again, so that the
    // dialog still opens on it (printing on it clears the file name).
    const bool native = printer.outputFormat() == QPrinter::NativeFormat;
    const QString printerName = printer.printerName();
    printer.setOutputFileName(path);
    if (native && !printerName.isEmpty())
        printer.setPrinterName(printerName);
#else
    // The platform's own dialog has no file name field, and a name set beforehand would send the job
    // to a file instead of the chosen printer.
    Q_UNUSED(printer);
    Q_UNUSED(path);
#endif
}

bool PrintsToPdfFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

PrintResult PrintRecordToPdfFile(const T_Command_DEVICE &model, const QPrinter &printer,
                                 const QDate &printDate)
{
    const PdfResult pdf =
        RenderRecordPdf(model, printer.pageLayout(), printer.resolution(), printer.docName(), printDate);
    if (!pdf.ok)
        return PrintFailure(QStringLiteral("Проверьте принтер: задание печати не удалось завершить"));
    const FileWriteResult written = WriteFileAtomically(printer.outputFileName(), pdf.bytes);
    if (!written.ok)
        return PrintFailure(SaveFailureMessage(SaveOutcomeOf(written)).hint);
    return PrintResult{};
}

} // namespace orva
