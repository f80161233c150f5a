#include "report_blocks.h"
#include "table_block.h"
#include "text_fit.h"

namespace orva {
namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString onOff(bool on, QStringView whenOn, QStringView whenOff)
{
    return (on ? whenOn : whenOff).toString();
}

} // namespace

void DrawLabelValues(const ReportContext &c, int x, int firstBottom, const QList<LabelValue> &lines,
                     int valueOffset, FontStyle valueStyle)
{
    int bottom = firstBottom;
    for (const LabelValue &line : lines) {
        c.canvas.drawText(x, bottom, line.label, TextAlign::Left, FontStyle::Normal);
        if (!line.value.isEmpty())
            c.canvas.drawText(x + valueOffset, bottom, line.value, TextAlign::Left, valueStyle);
        bottom += c.m.L;
    }
}

BlockSize DrawDeviceBlock(const ReportContext &c, int x, int y)
{
    const QString title = QStringLiteral("Тип устройства:\"Zentrix\"ППКОП-Orva");
    const int width = c.canvas.textWidth(title, FontStyle::BoldUnderline);
    const int valueOffset = c.m.cols(16);
    c.canvas.drawText(x, y + c.m.L, title, TextAlign::Left, FontStyle::BoldUnderline);
    // A name or password from a file may be of any length: it goes on on further lines within the
    // block's width, so that it never runs into the balance table beside it, and the block grows.
    int bottom = y + 2 * c.m.L;
    for (const LabelValue &line :
         {LabelValue{QStringLiteral("Псевдоним     :"), quoted(c.model.get(Panel::Name))},
          LabelValue{QStringLiteral("Пароль доступа:"), quoted(c.model.get(Panel::Password))}}) {
        c.canvas.drawText(x, bottom, line.label, TextAlign::Left, FontStyle::Normal);
        for (const QString &part : WrapText(c.canvas, line.value, width - valueOffset, FontStyle::Bold)) {
            c.canvas.drawText(x + valueOffset, bottom, part, TextAlign::Left, FontStyle::Bold);
            bottom += c.m.L;
        }
    }
    return {width, bottom - c.m.L - y};
}

BlockSize DrawBalanceBlock(const ReportContext &c, int x, int y)
{
    TableBlock table;
    table.header = QStringLiteral("№ Номер            Контроль баланса        ");
    table.headerOffset = c.m.cols(0.25);
    table.rows = 2;
    table.separators = {c.m.cols(1.5), c.m.cols(19.5)};
    table.separatorGap = 2;
    table.cells = [&c](int n) {
        const T_Command &balance = c.model.record(Cmd::cb, n);
        // A period of 0 hours switches the check off, whatever request text is stored.
        const QString check = balance.get(Sim::BalancePeriod) != 0
                                  ? balance.get(Sim::BalanceCode) + u'(' +
                                        QString::number(balance.get(Sim::BalancePeriod)) + u" ч.)"
                                  : QStringLiteral("Нет контроля");
        return QList<TableCell>{{c.m.cols(0.25), QString::number(n), FontStyle::Normal},
                                {c.m.cols(2), c.model.get(Sim::Phone, n), FontStyle::Bold},
                                {c.m.cols(20), check, FontStyle::Bold}};
    };
    return DrawTableBlock(c, x, y, table).size;
}

BlockSize DrawSignallingBlock(const ReportContext &c, int x, int y)
{
    const QString title = QStringLiteral("Сигнализация и индикация:           ");
    c.canvas.drawText(x, y + c.m.L, title, TextAlign::Left, FontStyle::BoldUnderline);
    const T_Command_DEVICE &d = c.model;
    DrawLabelValues(
        c, x, y + 2 * c.m.L,
        {{QStringLiteral("Время работы выносн инд.   :"),
          QString::number(d.get(Indication::IndicatorTime)) + u" сек."},
         {QStringLiteral("Уровень встроенного зуммера:"), QString::number(d.get(Indication::BuzzerVolume))},
         {QStringLiteral("Внешний зуммер             :"),
          onOff(d.get(Indication::ExternalBuzzer) != 0, u"ВКЛЮЧЕН", u"выключен")}},
        c.m.cols(29), FontStyle::Bold);
    return {c.canvas.textWidth(title, FontStyle::BoldUnderline), 4 * c.m.L};
}

BlockSize DrawGeneralBlock(const ReportContext &c, int x, int y)
{
    const QString title = QStringLiteral("Общие параметры:                     ");
    c.canvas.drawText(x, y + c.m.L, title, TextAlign::Left, FontStyle::BoldUnderline);
    const T_Command_DEVICE &d = c.model;
    const qint32 duty = d.get(Indication::DutyPeriod);
    const bool noArmingWithoutGprs = d.get(Panel::LockWithoutGprs) != 0 && ToStored(d.get(Sim::Mode)) != 0;
    DrawLabelValues(
        c, x, y + 2 * c.m.L,
        {{QStringLiteral("Кодировка SMS         :"),
          onOff(d.get(Sms::Charset) != 0, u"\"Кириллица\"", u"\"Транслит\"")},
         {QStringLiteral("\"Дежурный режим\"      :"),
          duty != 0 ? QString::number(duty) + u" ч." : QStringLiteral("Нет контр.")},
         {QStringLiteral("Задержка на выход     :"), QString::number(d.get(Panel::ExitDelay)) + u" сек."},
         {QStringLiteral("Запрет взятия без GPRS:"),
          onOff(noArmingWithoutGprs, u"\"ВКЛЮЧЕНО\"", u"\"выключено\"")},
         {QStringLiteral("Ведение LOG-файла     :"),
          onOff(d.get(Panel::Log) != 0, u"\"ВКЛЮЧЕНО\"", u"\"выключено\"")}},
        c.m.cols(25), FontStyle::Bold);
    return {c.canvas.textWidth(title, FontStyle::BoldUnderline), 6 * c.m.L};
}

} // namespace orva
