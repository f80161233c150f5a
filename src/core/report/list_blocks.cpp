#include "report_blocks.h"
#include "report_texts.h"
#include "table_block.h"

#include "device_model/vocabularies.h"

namespace orva {
namespace {

constexpr int KeysPerBlock = 5;
constexpr int PhoneRows = 9;

TableCell rowNumber(const ReportContext &c, int n)
{
    return {c.m.cols(0.25), QString::number(n), FontStyle::Normal};
}

// A line below a table's frame: a normal label and a bold value.
void drawLineBelow(const ReportContext &c, int x, int bottom, const QString &label, int valueOffset,
                   const QString &value)
{
    c.canvas.drawText(x, bottom, label, TextAlign::Left, FontStyle::Normal);
    c.canvas.drawText(x + valueOffset, bottom, value, TextAlign::Left, FontStyle::Bold);
}

// The key numbers of an SMS-by-keys phone, an empty item left empty: only key 3 reads "(3,,,,)".
QString keyList(const T_Command &record)
{
    QStringList items;
    for (int i = 1; i <= T_Command::ItemCount; ++i)
        items.append(record.item(i) != 0 ? QString::number(record.item(i)) : QString());
    return u'(' + items.join(u',') + u')';
}

} // namespace

BlockSize DrawLoopsBlock(const ReportContext &c, int x, int y)
{
    TableBlock table;
    table.title = QStringLiteral("Шлейфы:");
    table.header = QStringLiteral("№ Режим                              Псевдоним  ");
    table.headerOffset = c.m.cols(0.25);
    table.rows = T_Command_DEVICE::LoopCount;
    table.separators = {c.m.cols(1.5), c.m.cols(37.5)};
    table.cells = [&c](int n) {
        const T_Command &loop = c.model.record(Cmd::lm, n);
        // The name stands right of the separator, under its header, clear of the longest mode texts.
        return QList<TableCell>{
            rowNumber(c, n),
            {c.m.cols(2), ReportLoopModeText(loop.get(Loop::Mode), loop.get(Loop::Delay))},
            {c.m.cols(38), c.model.get(Loop::Alias, n)}};
    };
    const TableExtent drawn = DrawTableBlock(c, x, y, table);

    const qint32 repeats = c.model.get(Loop::AlarmRepeats);
    drawLineBelow(c, x, drawn.lastRowBottom + c.m.L, QStringLiteral("Число повторов тревог:"), c.m.cols(22),
                  repeats != 0 ? QString::number(repeats) : QStringLiteral("Все тревоги"));
    return {drawn.size.width, drawn.size.height + c.m.L};
}

BlockSize DrawRelaysBlock(const ReportContext &c, int x, int y)
{
    TableBlock table;
    table.title = QStringLiteral("Реле:");
    table.header = QStringLiteral("№ Режим              Время  ");
    table.headerOffset = c.m.cols(0.25);
    table.rows = T_Command_DEVICE::RelayCount;
    table.separators = {c.m.cols(1.5), c.m.cols(20.5)};
    table.cells = [&c](int n) {
        const T_Command &relay = c.model.record(Cmd::rm, n);
        const RelayMode mode = relay.get(Relay::Mode);
        QList<TableCell> cells{rowNumber(c, n), {c.m.cols(2), ReportRelayModeText(mode), FontStyle::Normal}};
        // SMS control and the lock have no switching time, as on the Relays page.
        if (RelayModeHasTime(mode))
            cells.append(
                {c.m.cols(21), QString::number(relay.get(Relay::Time)) + u" сек", FontStyle::Normal});
        return cells;
    };
    const TableExtent drawn = DrawTableBlock(c, x, y, table);

    const bool onPanic = c.model.get(Relay::OnPanicLoop) != 0;
    drawLineBelow(c, x, drawn.lastRowBottom + c.m.L, QStringLiteral("Реле при нарушении КТС:"), c.m.cols(23),
                  onPanic ? QStringLiteral("Вкл") : QStringLiteral("Выкл"));
    return {drawn.size.width, drawn.size.height + c.m.L};
}

BlockSize DrawKeysBlock(const ReportContext &c, int x, int y, int firstKey, bool withTitle)
{
    TableBlock table;
    if (withTitle)
        table.title = QStringLiteral("Ключи:");
    table.header = QStringLiteral("№ Псевдоним  Код ключа    ");
    table.headerOffset = c.m.cols(0.75);
    table.rows = KeysPerBlock;
    table.separators = {c.m.cols(2.5), c.m.cols(13.5)};
    table.separatorGap = 8;
    table.cells = [&c, firstKey](int row) {
        const int key = firstKey + row - 1;
        const T_Command &record = c.model.record(Cmd::ua, key);
        return QList<TableCell>{
            {c.m.cols(0.25), QString::number(key).rightJustified(2, u'0'), FontStyle::Normal},
            {c.m.cols(3), record.get(Key::Alias)},
            {c.m.cols(14), record.get(Key::Learned)}};
    };
    return DrawTableBlock(c, x, y, table).size;
}

BlockSize DrawSmsByKeysBlock(const ReportContext &c, int x, int y)
{
    TableBlock table;
    table.title = QStringLiteral("Передача SMS-сообщений по ключам:");
    table.header = QStringLiteral("№ Телефон           Ключи             ");
    table.headerOffset = c.m.cols(0.25);
    table.rows = PhoneRows;
    table.separators = {c.m.cols(1.5), c.m.cols(19.5)};
    table.cells = [&c](int n) {
        const T_Command &record = c.model.record(Cmd::su, n);
        QList<TableCell> cells{rowNumber(c, n)};
        if (!record.get(KeysPhone::Number).isEmpty())
            cells.append({{c.m.cols(2), record.get(KeysPhone::Number)}, {c.m.cols(20), keyList(record)}});
        return cells;
    };
    return DrawTableBlock(c, x, y, table).size;
}

BlockSize DrawSmsBlock(const ReportContext &c, int x, int y)
{
    TableBlock table;
    table.title = QStringLiteral("Передача SMS-сообщений:");
    table.header = QStringLiteral("№ Телефон           Набор сообщений   ");
    table.headerOffset = c.m.cols(0.25);
    table.rows = PhoneRows;
    table.separators = {c.m.cols(1.5), c.m.cols(19.5)};
    table.cells = [&c](int n) {
        const T_Command &record = c.model.record(Cmd::sn, n);
        QList<TableCell> cells{rowNumber(c, n)};
        // A phone without a message set gets no messages: its row stays empty.
        if (!record.get(SmsPhone::Number).isEmpty() && record.get(SmsPhone::MessageSet) != 0) {
            cells.append({{c.m.cols(2), record.get(SmsPhone::Number)},
                          {c.m.cols(20), ReportMessageSetText(record.get(SmsPhone::MessageSet))}});
        }
        return cells;
    };
    return DrawTableBlock(c, x, y, table).size;
}

} // namespace orva
