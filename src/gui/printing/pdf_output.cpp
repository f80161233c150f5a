#include "pdf_output.h"

#include "print_flow.h"
#include "report/print_identifier.h"

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

namespace orva {

void ConfigurePdfPrinter(QPrinter &printer, const QString &path)
{
    constexpr int PdfResolution = 300;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(PdfResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setOutputFileName(path);
}

PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return PdfResult{false, {}, QStringLiteral("drawing a PDF needs a GUI application object")};

    // QPrinter writes a file of its own; the caller gets the bytes and writes them atomically.
    QTemporaryDir folder;
    if (!folder.isValid())
        return PdfResult{false, {}, QStringLiteral("no temporary folder: ") + folder.errorString()};
    const QString path = folder.filePath(QStringLiteral("record.pdf"));

    QPrinter printer(QPrinter::HighResolution);
    ConfigurePdfPrinter(printer, path);
    printer.setDocName(PrintJobTitle(model));
    const PrintResult printed = PrintConfigurationRecord(model, printer, printDate);
    if (printed.failed())
        return PdfResult{false, {}, printed.headline + u": " + printed.hint};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PdfResult{false, {}, file.errorString()};
    return PdfResult{true, file.readAll(), {}};
}

} // namespace orva
