#include "pdf_output.h"

#include "page_setup.h"
#include "record_page.h"
#include "report/print_identifier.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace orva {

PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return PdfResult{false, {}, QStringLiteral("drawing a PDF needs a GUI application object")};

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        const QPageLayout layout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres),
            QPageLayout::Millimeter);
        writer.setPageLayout(layout);
        writer.setTitle(PrintJobTitle(model));
        writer.setCreator(QStringLiteral("orva-config"));

        QPainter painter;
        if (!painter.begin(&writer))
            return PdfResult{false, {}, QStringLiteral("the PDF cannot be started")};
        // The painter's (0, 0) is the corner inside the margins: the printable area starts there.
        const QRect printable(QPoint(0, 0), layout.paintRectPixels(PdfResolution).size());
        const PageState page = SetupDevicePage(painter, printable, 0, 0, QStringLiteral("PDF"));
        DrawRecordOnPage(model, painter, page, ReportDateText(printDate));
        if (!painter.end())
            return PdfResult{false, {}, QStringLiteral("the PDF cannot be finished")};
    }
    return PdfResult{true, bytes, {}};
}

} // namespace orva
