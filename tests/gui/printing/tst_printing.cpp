#include "../../support/file_bytes.h"
#include "../../support/pdf_probe.h"

#include "page_setup.h"
#include "painter_canvas.h"
#include "pdf_output.h"
#include "pdf_printer.h"
#include "print_flow.h"
#include "report/configuration_report.h"
#include "report/print_identifier.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

namespace {

constexpr double InchesPerMetre = 39.37007874;

QImage page(int dpi, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi * InchesPerMetre));
    image.setDotsPerMeterY(qRound(dpi * InchesPerMetre));
    image.fill(Qt::white);
    return image;
}

// The bounding box of the pixels darker than mid-grey.
QRect darkPixels(const QImage &image, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

T_Command_DEVICE defaults()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    return model;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageSetup_data();
    void pageSetup();
    void reportFontIsFixedPitch();
    void textStandsOnItsBottomCorner_data();
    void textStandsOnItsBottomCorner();
    void rectangles();
    void penWidthsArePhysical_data();
    void penWidthsArePhysical();
    void wholeRecordOnAnImage();
    void cancelledDialogStillNormalizes_data();
    void cancelledDialogStillNormalizes();
    void printedToPdf();
    void failingPrinterIsReported();
    void renderReportPdf();
    void printerPageKeepsTheDialogsMargins_data();
    void printerPageKeepsTheDialogsMargins();
};

void PrintingTest::pageSetup_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QPoint>("margins");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("device");
    // 300 dpi: 12 pixels to the grid's millimetre.
    QTest::newRow("300 dpi origin") << 300 << QPoint(0, 0) << QPoint(0, 0) << QPoint(10, 20);
    QTest::newRow("300 dpi point") << 300 << QPoint(0, 0) << QPoint(100, 50) << QPoint(130, 80);
    QTest::newRow("300 dpi truncates") << 300 << QPoint(0, 0) << QPoint(1, 1) << QPoint(11, 21);
    QTest::newRow("300 dpi margins") << 300 << QPoint(5, 7) << QPoint(100, 50) << QPoint(135, 87);
    // 96 dpi: 3.84 pixels per millimetre; 25 tenths are 9.6 pixels, truncated to 9.
    QTest::newRow("96 dpi truncates") << 96 << QPoint(0, 0) << QPoint(25, 25) << QPoint(19, 29);
}

void PrintingTest::pageSetup()
{
    QFETCH(int, dpi);
    QFETCH(QPoint, margins);
    QFETCH(QPoint, point);
    QFETCH(QPoint, device);
    QImage image = page(dpi, QSize(400, 600));
    QPainter painter(&image);
    const QRect printable(10, 20, 380, 570);
    const PageState state = SetupDevicePage(painter, printable, margins.x(), margins.y());

    QCOMPARE(state.pixelsPerMmX, dpi * 0.04);
    QCOMPARE(state.pixelsPerMmY, dpi * 0.04);
    QCOMPARE(state.origin, printable.topLeft() + margins);
    QCOMPARE(state.pagePixels, printable.size());
    QCOMPARE(state.pageWidth, qRound(380 * 10 / (dpi * 0.04)));
    QCOMPARE(state.pageHeight, qRound(570 * 10 / (dpi * 0.04)));
    QCOMPARE(state.toDevice(point.x(), point.y()), device);
    QCOMPARE(painter.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(painter.font().pointSize(), 11);
}

void PrintingTest::reportFontIsFixedPitch()
{
    QImage image = page(300, QSize(100, 100));
    QPainter painter(&image);
    const PageState state = SetupDevicePage(painter, image.rect(), 0, 0);
    // 11 pt on the grid's 25-mm inch: about 4.4 units of line and 2.3 of character.
    QVERIFY2(state.lineHeight >= 38 && state.lineHeight <= 50, qPrintable(QString::number(state.lineHeight)));
    QVERIFY2(state.charWidth >= 20 && state.charWidth <= 26, qPrintable(QString::number(state.charWidth)));

    PainterCanvas canvas(painter, state);
    QCOMPARE(canvas.textWidth(QStringLiteral("0")), state.charWidth);
    QCOMPARE(canvas.textHeight(QStringLiteral("Рр")), state.lineHeight);
    const int forty = canvas.textWidth(QString(40, u'Ж'), FontStyle::Bold);
    QVERIFY(qAbs(forty - 40 * state.charWidth) <= 20);
    QCOMPARE(canvas.textWidth(QString(40, u'i')), canvas.textWidth(QString(40, u'W')));
}

void PrintingTest::textStandsOnItsBottomCorner_data()
{
    QTest::addColumn<bool>("left");
    QTest::newRow("left") << true;
    QTest::newRow("right") << false;
}

void PrintingTest::textStandsOnItsBottomCorner()
{
    QFETCH(bool, left);
    QImage image = page(300, QSize(1000, 300));
    {
        QPainter painter(&image);
        const PageState state = SetupDevicePage(painter, image.rect(), 0, 0);
        PainterCanvas canvas(painter, state);
        canvas.drawText(400, 200, QStringLiteral("Рр ЖЖ"), left ? TextAlign::Left : TextAlign::Right,
                        FontStyle::Bold);
    }
    const QPoint point(480, 240); // (400, 200) at 12 pixels per millimetre
    const QRect ink = darkPixels(image, image.rect());
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.bottom() < point.y());
    QVERIFY(ink.bottom() >= point.y() - 20); // the descender of "р" reaches close to the bottom
    QVERIFY(ink.height() > 25);
    if (left) {
        QVERIFY(ink.left() >= point.x());
        QVERIFY(ink.left() <= point.x() + 10);
    } else {
        QVERIFY(ink.right() < point.x());
        QVERIFY(ink.right() >= point.x() - 15);
    }
}

void PrintingTest::rectangles()
{
    QImage image = page(300, QSize(600, 600));
    {
        QPainter painter(&image);
        const PageState state = SetupDevicePage(painter, image.rect(), 0, 0);
        PainterCanvas canvas(painter, state);
        // 12 pixels per millimetre: (100, 100)-(300, 300) is (120, 120)-(360, 360).
        canvas.drawRectangle(100, 100, 300, 300, SilverColor, PenStyle::Solid, 0);
        canvas.drawRectangle(100, 350, 300, 450, std::nullopt, PenStyle::Solid, 2);
        // A following line without a width keeps the rectangle's pen.
        canvas.drawLine(350, 100, 350, 400, PenStyle::Solid, 0);
        // The text is black whatever the pen was.
        canvas.drawText(0, 480, QStringLiteral("Ж"), TextAlign::Left, FontStyle::Normal);
    }
    QCOMPARE(image.pixelColor(120, 120), QColor(192, 192, 192)); // filled to the edge, no outline
    QCOMPARE(image.pixelColor(240, 240), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(240, 480), QColor(Qt::white)); // no fill
    QCOMPARE(qGray(image.pixel(240, 420)), 0);               // outline
    const QRect line = darkPixels(image, QRect(400, 100, 40, 400));
    QCOMPARE(line.width(), 2);
    QVERIFY(!darkPixels(image, QRect(0, 500, 60, 80)).isEmpty());
}

void PrintingTest::penWidthsArePhysical_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("dots");
    // Pen widths count dots of a 300-dpi printer: 2 dots are 0.17 mm, 4 dots 0.34 mm on any device.
    QTest::newRow("frame at 300 dpi") << 300 << 2;
    QTest::newRow("thick at 300 dpi") << 300 << 4;
    QTest::newRow("frame at 600 dpi") << 600 << 2;
    QTest::newRow("frame at 1200 dpi") << 1200 << 2;
    QTest::newRow("thick at 1200 dpi") << 1200 << 4;
}

void PrintingTest::penWidthsArePhysical()
{
    QFETCH(int, dpi);
    QFETCH(int, dots);
    QImage image = page(dpi, QSize(dpi / 2, dpi / 2));
    {
        QPainter painter(&image);
        const PageState state = SetupDevicePage(painter, image.rect(), 0, 0);
        PainterCanvas canvas(painter, state);
        canvas.drawLine(50, 10, 50, 100, PenStyle::Solid, dots);
    }
    const QRect line = darkPixels(image, image.rect());
    const double millimetres = line.width() * 25.4 / dpi;
    QCOMPARE(line.width(), dots * dpi / 300);
    QVERIFY2(qAbs(millimetres - dots * 25.4 / 300) < 0.01, qPrintable(QString::number(millimetres)));
}

void PrintingTest::wholeRecordOnAnImage()
{
    // A4 at 100 dpi.
    QImage image = page(100, QSize(827, 1169));
    PageState state;
    ReportExtent extent;
    {
        QPainter painter(&image);
        state = SetupDevicePage(painter, image.rect(), 0, 0);
        PainterCanvas canvas(painter, state);
        extent = DrawConfigurationReport(defaults(), canvas,
                                         ReportPage{state.pageWidth, QStringLiteral("01.02.2024")});
    }
    QVERIFY(extent.width <= state.pageWidth);
    QVERIFY(extent.height <= state.pageHeight);

    const QRect ink = darkPixels(image, image.rect());
    QVERIFY(ink.top() >= 0 && ink.top() <= 3); // the heading starts at the top
    QVERIFY(ink.left() <= 3);
    QVERIFY(ink.right() < image.width() - 30); // nothing reaches the right edge
    const int footerY = state.toDevice(0, extent.height).y();
    QVERIFY(qAbs(ink.bottom() - footerY) <= 5); // the footer is the last line
    QVERIFY(ink.bottom() < image.height());
    // The heading's band holds text across most of its line.
    const QRect heading =
        darkPixels(image, QRect(0, 0, image.width(), state.toDevice(0, state.lineHeight).y()));
    QVERIFY(heading.width() > 300);
    int silver = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            silver += image.pixelColor(x, y) == QColor(192, 192, 192);
    }
    QVERIFY(silver > 5000);
}

void PrintingTest::cancelledDialogStillNormalizes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("normalized");
    QTest::newRow("empty") << ""
                           << "0000-0000-0000";
    QTest::newRow("12 digits") << "123456789ABC"
                               << "1234-5678-9ABC";
}

void PrintingTest::cancelledDialogStillNormalizes()
{
    QFETCH(QString, stored);
    QFETCH(QString, normalized);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::gi).setText(1, stored);
    QPrinter printer;
    int asked = 0;
    QString identifierWhenAsked;
    const PrintResult result = RunPrintFlow(
        model, printer,
        [&](QPrinter &) {
            ++asked;
            identifierWhenAsked = model.record(Cmd::gi).text(1);
            return false;
        },
        QDate(2024, 2, 1));
    QCOMPARE(result.outcome, PrintOutcome::Cancelled);
    QCOMPARE(asked, 1);
    QCOMPARE(identifierWhenAsked, normalized); // stored before the dialog shows
    QCOMPARE(model.record(Cmd::gi).text(1), normalized);
    QVERIFY(printer.docName().isEmpty());
}

void PrintingTest::printedToPdf()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("record.pdf"));
    T_Command_DEVICE model = defaults();
    QPrinter printer(QPrinter::HighResolution);
    const PrintResult result = RunPrintFlow(
        model, printer,
        [&](QPrinter &chosen) {
            ConfigurePdfPrinter(chosen, path); // the dialog's "print to file"
            return true;
        },
        QDate(2024, 2, 1));
    QCOMPARE(result.outcome, PrintOutcome::Printed);
    QCOMPARE(printer.docName(), QStringLiteral("ППКОП-Orva( 0000-0000-0000)"));
    const QByteArray pdf = test::ReadBytes(path);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(test::PdfPageCount(pdf), 1);
    QCOMPARE(test::PdfTitle(pdf), QStringLiteral("ППКОП-Orva( 0000-0000-0000)"));
}

void PrintingTest::failingPrinterIsReported()
{
    QTemporaryDir folder;
    T_Command_DEVICE model = defaults();
    model.record(Cmd::gi).setText(1, QStringLiteral("123456789ABC"));
    QPrinter printer(QPrinter::HighResolution);
    const PrintResult result = RunPrintFlow(
        model, printer,
        [&](QPrinter &chosen) {
            ConfigurePdfPrinter(chosen, folder.filePath(QStringLiteral("missing/folder/record.pdf")));
            return true;
        },
        QDate(2024, 2, 1));
    QCOMPARE(result.outcome, PrintOutcome::Failed);
    QCOMPARE(result.headline, QStringLiteral("Ошибка печати"));
    QVERIFY(!result.hint.isEmpty());
    QCOMPARE(model.record(Cmd::gi).text(1), QStringLiteral("1234-5678-9ABC"));
}

void PrintingTest::renderReportPdf()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::oa).setText(1, QStringLiteral("Офис12"));
    model.record(Cmd::gi).setText(1, QStringLiteral("0A1B2C3D4E5F"));
    NormalizeIdentifierForPrint(model);
    const PdfResult pdf = RenderReportPdf(model, QDate(2024, 2, 1));
    QVERIFY2(pdf.ok, qPrintable(pdf.error));
    QVERIFY(pdf.bytes.startsWith("%PDF"));
    QVERIFY(pdf.bytes.trimmed().endsWith("%%EOF"));
    QCOMPARE(test::PdfPageCount(pdf.bytes), 1);
    QCOMPARE(test::PdfTitle(pdf.bytes), QStringLiteral("ППКОП-Orva(Офис12 0A1B-2C3D-4E5F)"));
    // A4 in points.
    QVERIFY(QString::fromLatin1(pdf.bytes).contains(
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595(\\.0+)? 842(\\.0+)?\\]"))));
}

void PrintingTest::printerPageKeepsTheDialogsMargins_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("margin");
    QTest::newRow("portrait, no margins") << int(QPageLayout::Portrait) << 0.0;
    QTest::newRow("landscape, 20 mm") << int(QPageLayout::Landscape) << 20.0;
}

// The print job draws in full-page mode; the printable area is still the page less the dialog's margins,
// in the orientation the dialog chose.
void PrintingTest::printerPageKeepsTheDialogsMargins()
{
    QFETCH(int, orientation);
    QFETCH(double, margin);
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePdfPrinter(printer, folder.filePath(QStringLiteral("record.pdf")));
    printer.setPageOrientation(QPageLayout::Orientation(orientation));
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    printer.setFullPage(true);
    QPainter painter(&printer);
    const PageState page = SetupPrinterPage(printer, painter);
    painter.end();

    const int dpi = printer.resolution();
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF paper = orientation == QPageLayout::Landscape ? a4.transposed() : a4;
    const auto pixels = [dpi](double mm) { return mm * dpi / 25.4; };
    QCOMPARE(page.orientation, QPageLayout::Orientation(orientation));
    // The page layout keeps its margins in whole points.
    const double point = dpi / 72.0 + 1;
    QVERIFY(qAbs(page.printable.left() - pixels(margin)) <= point);
    QVERIFY(qAbs(page.printable.top() - pixels(margin)) <= point);
    QVERIFY(qAbs(page.printable.width() - pixels(paper.width() - 2 * margin)) <= 2 * point);
    QVERIFY(qAbs(page.printable.height() - pixels(paper.height() - 2 * margin)) <= 2 * point);
    QCOMPARE(page.origin, page.printable.topLeft());
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
