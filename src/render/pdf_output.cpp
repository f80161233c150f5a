#include "pdf_output.h"

#include "page_setup.h"
#include "record_page.h"
#include "report/print_identifier.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace orva {

PdfResult RenderRecordPdf(const T_Command_DEVICE &model, const QPageLayout &layout, int resolution,
                          const QString &title, const QDate &printDate)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return PdfResult{false, {}, QStringLiteral("drawing a PDF needs a GUI application object")};

    // A layout in full-page mode reports the whole paper as its paint area; its margins still hold.
    QPageLayout standard = layout;
    standard.setMode(QPageLayout::StandardMode);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(resolution);
        writer.setPageLayout(standard);
        writer.setTitle(title);

        QPainter painter;
        if (!painter.begin(&writer))
            return PdfResult{false, {}, QStringLiteral("the PDF cannot be started")};
        // The painter's (0, 0) is the corner inside the margins: the printable area starts there.
        const QRect printable(QPoint(0, 0), standard.paintRectPixels(resolution).size());
        PageState page = SetupDevicePage(painter, printable, 0, 0, QStringLiteral("PDF"));
        page.orientation = standard.orientation();
        DrawRecordOnPage(model, painter, page, ReportDateText(printDate));
        if (!painter.end())
            return PdfResult{false, {}, QStringLiteral("the PDF cannot be finished")};
    }
    return PdfResult{true, bytes, {}};
}

PdfResult RenderReportPdf(const T_Command_DEVICE &model, const QDate &printDate)
{
    const QPageLayout layout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres),
        QPageLayout::Millimeter);
    return RenderRecordPdf(model, layout, PdfResolution, PrintJobTitle(model), printDate);
}

} // namespace orva
