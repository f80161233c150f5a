// The printed record on pages of every size and orientation, at printer and PDF resolutions, measured in
// the real report font: the record stays inside the printable area, and no text crosses a line or
// another text.
#include "page_setup.h"
#include "painter_canvas.h"
#include "pdf_output.h"
#include "record_page.h"
#include "report/configuration_report.h"
#include "report/print_identifier.h"
#include "storage/config_file.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QTest>

using namespace orva;

namespace {

constexpr double InchesPerMetre = 39.37007874;
const QString PrintDate = QStringLiteral("01.02.2024");

QImage probe(int dpi, QSize size = QSize(1, 1))
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi * InchesPerMetre));
    image.setDotsPerMeterY(qRound(dpi * InchesPerMetre));
    image.fill(Qt::white);
    return image;
}

T_Command_DEVICE filled()
{
    T_Command_DEVICE model;
    const FileReadResult read = ReadFileBytes(QStringLiteral(ORVA_FIXTURES_DIR "/report/filled.ini"));
    LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), model);
    NormalizeIdentifierForPrint(model);
    return model;
}

// What a file may bring beyond the editor's limits: texts far longer than their columns.
T_Command_DEVICE overlong()
{
    T_Command_DEVICE model = filled();
    const QString longer = QStringLiteral("ОченьДлинноеЗначениеИзФайла-0123456789-ABCDEFGHIJ-");
    model.record(Cmd::oa).setText(1, longer + longer);
    model.record(Cmd::Password).setText(1, longer);
    for (int n = 1; n <= 2; ++n) {
        model.record(Cmd::ph, n).setText(1, longer);
        model.record(Cmd::cb, n).setText(2, longer);
        model.record(Cmd::ga, n).setText(1, longer + longer);
        model.record(Cmd::gl, n).setText(1, longer);
        model.record(Cmd::gp, n).setText(1, longer);
    }
    for (int n = 1; n <= 4; ++n)
        model.record(Cmd::la, n).setText(1, longer);
    for (int n = 1; n <= 15; ++n)
        model.record(Cmd::ua, n).setText(1, longer);
    for (int n = 1; n <= 9; ++n) {
        model.record(Cmd::sn, n).setText(2, longer);
        model.record(Cmd::su, n).setText(2, longer);
    }
    return model;
}

QFont styledFont(FontStyle style)
{
    QFont font = ReportFont();
    font.setBold(style != FontStyle::Normal);
    font.setUnderline(style == FontStyle::BoldUnderline);
    return font;
}

// Records the record in device pixels before its placement, positioned exactly as the painter canvas
// positions it: the ink of every word of every text, the strokes of lines and outlines, the fills.
class InkCanvas final : public ReportCanvas
{
public:
    struct Word
    {
        int text; // the index of the text the word belongs to
        QString word;
        QRectF ink;
    };

    InkCanvas(const ReportCanvas &fonts, const PageState &page, const QPaintDevice *device)
        : m_fonts(fonts), m_page(page), m_device(device)
    {}

    void drawText(int x, int y, const QString &text, TextAlign align, FontStyle style, const QString &,
                  int) override
    {
        const QFontMetricsF metrics(styledFont(style), m_device);
        const QPoint point = m_page.toDevice(x, y);
        const qreal left = align == TextAlign::Left ? point.x() : point.x() - metrics.horizontalAdvance(text);
        const qreal baseline = point.y() - metrics.descent();
        for (qsizetype i = 0; i < text.size();) {
            if (text[i].isSpace()) {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < text.size() && !text[end].isSpace())
                ++end;
            const QString word = text.mid(i, end - i);
            const QRectF ink = metrics.tightBoundingRect(word).translated(
                left + metrics.horizontalAdvance(text.left(i)), baseline);
            words.append({m_texts, word, ink});
            i = end;
        }
        ++m_texts;
    }
    void drawLine(int x1, int y1, int x2, int y2, PenStyle, int width) override
    {
        if (width != 0)
            m_penDots = width;
        const qreal half = halfPen();
        const QRectF line = QRectF(m_page.toDevice(x1, y1), m_page.toDevice(x2, y2)).normalized();
        // A flat cap: the stroke ends where the line does.
        strokes.append(line.width() == 0 ? line.adjusted(-half, 0, half, 0)
                                         : line.adjusted(0, -half, 0, half));
    }
    void drawRectangle(int x1, int y1, int x2, int y2, std::optional<ReportColor> fill, PenStyle,
                       int width) override
    {
        const QRectF r = QRectF(m_page.toDevice(x1, y1), m_page.toDevice(x2, y2)).normalized();
        if (fill)
            fills.append(r);
        if (width == 0)
            return;
        m_penDots = width;
        const qreal h = halfPen();
        // Square caps and mitred corners: every edge reaches half a pen beyond the corners.
        strokes.append({QPointF(r.left() - h, r.top() - h), QPointF(r.right() + h, r.top() + h)});
        strokes.append({QPointF(r.left() - h, r.bottom() - h), QPointF(r.right() + h, r.bottom() + h)});
        strokes.append({QPointF(r.left() - h, r.top() - h), QPointF(r.left() + h, r.bottom() + h)});
        strokes.append({QPointF(r.right() - h, r.top() - h), QPointF(r.right() + h, r.bottom() + h)});
    }
    int textWidth(const QString &text, FontStyle style) const override
    {
        return m_fonts.textWidth(text, style);
    }
    int textHeight(const QString &text, FontStyle style) const override
    {
        return m_fonts.textHeight(text, style);
    }
    double textAdvance(const QString &text, FontStyle style) const override
    {
        return m_fonts.textAdvance(text, style);
    }

    // Everything drawn.
    QRectF drawn() const
    {
        QRectF all;
        for (const Word &w : words)
            all = all.united(w.ink);
        for (const QRectF &s : strokes)
            all = all.united(s);
        for (const QRectF &f : fills)
            all = all.united(f);
        return all;
    }

    QList<Word> words;
    QList<QRectF> strokes;
    QList<QRectF> fills;

private:
    qreal halfPen() const { return qreal(m_penDots) * m_device->logicalDpiX() / PenDotsPerInch / 2; }

    const ReportCanvas &m_fonts;
    PageState m_page;
    const QPaintDevice *m_device;
    int m_penDots = 1;
    int m_texts = 0;
};

QString describe(const InkCanvas::Word &w)
{
    const QRectF &r = w.ink;
    return QStringLiteral("\"%1\" at (%2, %3)-(%4, %5)")
        .arg(w.word)
        .arg(r.left(), 0, 'f', 1)
        .arg(r.top(), 0, 'f', 1)
        .arg(r.right(), 0, 'f', 1)
        .arg(r.bottom(), 0, 'f', 1);
}

} // namespace

class RecordFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitsEveryPage_data();
    void fitsEveryPage();
    void landscapeImageHoldsWholeRecord();
};

void RecordFitTest::fitsEveryPage_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("marginMm");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("overlongValues");
    struct Page
    {
        const char *name;
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
    };
    const Page pages[] = {
        {"A4 portrait", QPageSize::A4, QPageLayout::Portrait},
        {"A4 landscape", QPageSize::A4, QPageLayout::Landscape},
        {"Letter portrait", QPageSize::Letter, QPageLayout::Portrait},
        {"Letter landscape", QPageSize::Letter, QPageLayout::Landscape},
        {"A5 portrait", QPageSize::A5, QPageLayout::Portrait},
    };
    // A printer's unprintable edge of 5 mm on every side.
    for (const Page &p : pages) {
        for (int dpi : {300, 1200}) {
            for (bool overlong : {false, true}) {
                QTest::addRow("%s %d dpi%s", p.name, dpi, overlong ? " overlong" : "")
                    << int(p.size) << int(p.orientation) << 5.0 << dpi << overlong;
            }
        }
    }
    // orva-config's PDF.
    QTest::newRow("A4 PDF 10 mm") << int(QPageSize::A4) << int(QPageLayout::Portrait) << PdfMarginMillimetres
                                  << PdfResolution << false;
}

void RecordFitTest::fitsEveryPage()
{
    QFETCH(int, pageSize);
    QFETCH(int, orientation);
    QFETCH(double, marginMm);
    QFETCH(int, dpi);
    QFETCH(bool, overlongValues);
    const T_Command_DEVICE model = overlongValues ? overlong() : filled();
    const QPageLayout layout(QPageSize(QPageSize::PageSizeId(pageSize)),
                             QPageLayout::Orientation(orientation),
                             QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    const QRect printable = layout.paintRectPixels(dpi);

    QImage device = probe(dpi);
    QPainter painter(&device);
    const PageState page = SetupDevicePage(painter, printable, 0, 0);
    const ReportPage reportPage{LayoutPageWidth, PrintDate};
    const RecordPlacement placement = PlaceRecord(model, painter, page, reportPage);

    // The record as drawn from its own origin, before the painter places it.
    PageState unplaced = page;
    unplaced.origin = QPoint(0, 0);
    const PainterCanvas fonts(painter, unplaced);
    const ReportExtent extent = MeasureConfigurationReport(model, fonts, reportPage);
    InkCanvas ink(fonts, unplaced, &device);
    DrawConfigurationReport(model, ink, reportPage);

    // Inside the printable area, centred across it, scaled uniformly and never up.
    const QRectF area(printable);
    const QRectF drawn = ink.drawn();
    const QRectF placed(placement.origin + drawn.topLeft() * placement.scale, drawn.size() * placement.scale);
    QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("drawn (%1, %2)-(%3, %4) in (%5, %6)-(%7, %8)")
                                                   .arg(placed.left())
                                                   .arg(placed.top())
                                                   .arg(placed.right())
                                                   .arg(placed.bottom())
                                                   .arg(area.left())
                                                   .arg(area.top())
                                                   .arg(area.right())
                                                   .arg(area.bottom())));
    QVERIFY(placement.scale > 0 && placement.scale <= 1);
    const double pixelsPerMm = dpi / 25.4;
    const QSizeF unscaled(extent.width * page.pixelsPerMmX / 10 + pixelsPerMm,
                          extent.height * page.pixelsPerMmY / 10 + pixelsPerMm);
    if (unscaled.width() <= area.width() && unscaled.height() <= area.height())
        QCOMPARE(placement.scale, 1.0);
    else
        QVERIFY(std::max(placed.width() / area.width(), placed.height() / area.height()) > 0.95);
    QVERIFY(qAbs((placed.left() - area.left()) - (area.right() - placed.right())) < pixelsPerMm);
    qInfo("scale %.3f, record %.1f x %.1f mm on a printable area of %.1f x %.1f mm", placement.scale,
          placed.width() / pixelsPerMm, placed.height() / pixelsPerMm, area.width() / pixelsPerMm,
          area.height() / pixelsPerMm);

    // Every word stays in its cell: it crosses no line and no other text.
    QVERIFY(ink.words.size() > 300);
    for (const InkCanvas::Word &word : ink.words) {
        for (const QRectF &stroke : ink.strokes)
            QVERIFY2(!word.ink.intersects(stroke), qPrintable(describe(word)));
    }
    for (qsizetype i = 0; i < ink.words.size(); ++i) {
        for (qsizetype j = i + 1; j < ink.words.size(); ++j) {
            const InkCanvas::Word &a = ink.words[i];
            const InkCanvas::Word &b = ink.words[j];
            if (a.text != b.text)
                QVERIFY2(!a.ink.intersects(b.ink), qPrintable(describe(a) + u" and " + describe(b)));
        }
    }
}

// The editor's print on a landscape page: the whole record, footer included, lands on the page.
void RecordFitTest::landscapeImageHoldsWholeRecord()
{
    constexpr int Dpi = 150;
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                             QPageLayout::Millimeter);
    QImage image = probe(Dpi, layout.fullRectPixels(Dpi).size());
    const QRect printable = layout.paintRectPixels(Dpi);
    const T_Command_DEVICE model = filled();
    RecordPlacement placement;
    ReportExtent extent;
    {
        QPainter painter(&image);
        const PageState page = SetupDevicePage(painter, printable, 0, 0);
        placement = PlaceRecord(model, painter, page, ReportPage{LayoutPageWidth, PrintDate});
        const PainterCanvas fonts(painter, page);
        extent = MeasureConfigurationReport(model, fonts, ReportPage{LayoutPageWidth, PrintDate});
        DrawRecordOnPage(model, painter, page, PrintDate);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ink = ink.united(QRect(x, y, 1, 1));
        }
    }
    QVERIFY(printable.contains(ink));
    QVERIFY(placement.scale < 0.8); // landscape: the height decides
    // The footer is the last line drawn: the ink ends within a line of the record's scaled bottom.
    const double bottom = placement.origin.y() + extent.height * Dpi * 0.04 / 10 * placement.scale;
    QVERIFY2(qAbs(ink.bottom() - bottom) < 10, qPrintable(QString::number(ink.bottom() - bottom)));
    QVERIFY(ink.bottom() > printable.bottom() - printable.height() / 20);
}

QTEST_MAIN(RecordFitTest)
#include "tst_record_fit.moc"
