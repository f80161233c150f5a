#include "pdf_output.h"

#include "page_setup.h"
#include "report/print_identifier.h"
#include "storage/config_save.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace orva {
namespace {

constexpr int PdfResolution = 300;

QPageLayout a4NoMargins()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

} // namespace

void ConfigurePdfPrinter(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(PdfResolution);
    printer.setPageLayout(a4NoMargins());
    printer.setOutputFileName(path);
}

PdfResult RenderRecordPdf(const T_Command_DEVICE &model, const QPageLayout &layout, int resolution,
                          const QString &title, const QDate &printDate)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return PdfResult{false, {}, QStringLiteral("drawing a PDF needs a GUI application object")};

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(resolution);
        // Margins 0: the writer's coordinates start at the paper's corner, as a printer's in full-page
        // mode; the page set-up puts the record's origin at the printable corner.
        writer.setPageLayout(
            QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF(0, 0, 0, 0), layout.units()));
        writer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&writer))
            return PdfResult{false, {}, QStringLiteral("the PDF could not be started")};
        DrawRecord(model, painter, SetupLayoutPage(layout, resolution, QString(), painter, 0, 0), printDate);
        if (!painter.end())
            return PdfResult{false, {}, QStringLiteral("the PDF could not be finished")};
    }
    return PdfResult{true, bytes, {}};
}

PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate)
{
    return RenderRecordPdf(model, a4NoMargins(), PdfResolution, PrintJobTitle(model), printDate);
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
