#include "configuration_report.h"

#include "print_identifier.h"
#include "report_blocks.h"
#include "text_fit.h"

#include "device_model/store_form.h"
#include "storage/short_date.h"

#include <algorithm>

namespace orva {
namespace {

constexpr int SignatureGap = 150; // the signature line ends 15 mm before the page's right edge

// Tracks the right-most edge the blocks reach.
struct Flow
{
    const ReportContext &c;
    int x0 = 0;
    int y = 0;
    int right = 0;

    BlockSize place(BlockSize size, int x)
    {
        right = std::max(right, x + size.width);
        return size;
    }
};

// A canvas that only measures, for the room the record takes before it is drawn.
class MeasuringCanvas final : public ReportCanvas
{
public:
    explicit MeasuringCanvas(const ReportCanvas &fonts) : m_fonts(fonts) {}

    void drawText(int, int, const QString &, TextAlign, FontStyle, const QString &, int) override {}
    void drawLine(int, int, int, int, PenStyle, int) override {}
    void drawRectangle(int, int, int, int, std::optional<ReportColor>, PenStyle, int) override {}
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

private:
    const ReportCanvas &m_fonts;
};

void drawHeading(Flow &f, const ReportPage &page)
{
    const ReportContext &c = f.c;
    const QString heading = u"Конфигурация устройства:(\"" + c.model.get(Panel::Name) + u"\"/" +
                            PrintedGprsIdentifier(c.model.get(Gprs::Identifier)) + u')';
    // A device name from a file may be of any length: the heading goes on on further lines, each ending
    // by the signature line's end. Texts stand on their bottom edge: the heading's line is the first
    // line of the page, so that it starts at the origin rather than above it. A blank at a break is not
    // drawn, so that no underline runs on beyond the line's last character.
    for (QString line : WrapText(c.canvas, heading, page.width - SignatureGap, FontStyle::BoldUnderline)) {
        while (line.endsWith(u' '))
            line.chop(1);
        f.y += c.m.L;
        c.canvas.drawText(f.x0, f.y, line, TextAlign::Left, FontStyle::BoldUnderline);
        f.place({c.canvas.textWidth(line, FontStyle::BoldUnderline), 0}, f.x0);
    }
    f.y += c.m.L;
    c.canvas.drawText(f.x0, f.y, QStringLiteral("Ключ шифрации :"), TextAlign::Left, FontStyle::Normal);
    f.y += c.m.H;
}

void drawKeys(Flow &f)
{
    const ReportContext &c = f.c;
    const BlockSize first = f.place(DrawKeysBlock(c, f.x0, f.y, 1, true), f.x0);
    const BlockSize second =
        f.place(DrawKeysBlock(c, f.x0 + first.width, f.y + c.m.L, 6, false), f.x0 + first.width);
    const BlockSize third =
        f.place(DrawKeysBlock(c, f.x0 + 2 * first.width, f.y + c.m.L, 11, false), f.x0 + 2 * first.width);
    // A long name or code makes its block taller; the thick lines and the flow go down to the lowest.
    const int height = std::max({first.height, c.m.L + second.height, c.m.L + third.height});
    constexpr int ThickPen = 4;
    for (int column = 1; column <= 2; ++column) {
        const int x = f.x0 + column * first.width;
        c.canvas.drawLine(x, f.y + c.m.L + 2, x, f.y + height - 8, PenStyle::Solid, ThickPen);
    }
    f.y += height + c.m.H;
}

void drawFooter(Flow &f, const ReportPage &page)
{
    const ReportContext &c = f.c;
    const QString date = u"Дата печати:" + page.printDate;
    c.canvas.drawText(f.x0, f.y, date, TextAlign::Left, FontStyle::Normal);
    c.canvas.drawText(page.width - SignatureGap, f.y,
                      QStringLiteral("Подпись:           /                    /"), TextAlign::Right,
                      FontStyle::Normal);
    f.place({c.canvas.textWidth(date, FontStyle::Normal), 0}, f.x0);
    f.right = std::max(f.right, page.width - SignatureGap);
}

} // namespace

QString ReportDateText(const QDate &date)
{
    return ShortDateText(date);
}

ReportExtent DrawConfigurationReport(const T_Command_DEVICE &model, ReportCanvas &canvas,
                                     const ReportPage &page)
{
    const ReportContext c{canvas, model, MeasureReport(canvas)};
    const int twoColumns = c.m.cols(2);
    Flow f{c};

    drawHeading(f, page);

    const BlockSize device = f.place(DrawDeviceBlock(c, f.x0, f.y), f.x0);
    const BlockSize balance =
        f.place(DrawBalanceBlock(c, f.x0 + device.width + twoColumns, f.y), f.x0 + device.width + twoColumns);
    f.y += std::max(device.height, balance.height) + c.m.H;

    const BlockSize signalling = f.place(DrawSignallingBlock(c, f.x0, f.y), f.x0);
    const int generalX = f.x0 + signalling.width + c.m.cols(4);
    const BlockSize general = f.place(DrawGeneralBlock(c, generalX, f.y), generalX);
    f.y += general.height + c.m.H;

    const BlockSize loops = f.place(DrawLoopsBlock(c, f.x0, f.y), f.x0);
    const BlockSize relays =
        f.place(DrawRelaysBlock(c, f.x0 + loops.width + twoColumns, f.y), f.x0 + loops.width + twoColumns);
    f.y += std::max(loops.height, relays.height) + c.m.H;

    drawKeys(f);

    const BlockSize smsByKeys = f.place(DrawSmsByKeysBlock(c, f.x0, f.y), f.x0);
    const int smsX = f.x0 + smsByKeys.width + twoColumns;
    const BlockSize sms = f.place(DrawSmsBlock(c, smsX, f.y), smsX);
    const int smsHeight = std::max(smsByKeys.height, sms.height);
    f.y += smsHeight + c.m.H;

    // The GPRS identifier and keys stand in the right-hand column, one line down; the flow keeps the
    // height of the SMS block and one line more for them.
    const int gprsX = f.x0 + sms.width + twoColumns;
    const BlockSize identifier = f.place(DrawGprsIdentifierBlock(c, gprsX, f.y + c.m.L), gprsX);
    f.place(DrawGprsKeysBlock(c, gprsX, f.y + c.m.L + identifier.height), gprsX);
    f.y += smsHeight + c.m.L;

    const BlockSize apn = f.place(DrawApnBlock(c, f.x0, f.y), f.x0);
    f.y += apn.height + c.m.H;

    const BlockSize servers = f.place(DrawServersBlock(c, f.x0, f.y), f.x0);
    const int connectionX = f.x0 + servers.width + twoColumns;
    const BlockSize connection = f.place(DrawConnectionBlock(c, connectionX, f.y), connectionX);
    f.y += std::max(servers.height, connection.height) + 4 * c.m.L;

    drawFooter(f, page);
    return {f.right, f.y};
}

ReportExtent MeasureConfigurationReport(const T_Command_DEVICE &model, const ReportCanvas &fonts,
                                        const ReportPage &page)
{
    MeasuringCanvas canvas(fonts);
    return DrawConfigurationReport(model, canvas, page);
}

} // namespace orva
