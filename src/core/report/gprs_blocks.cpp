#include "report_blocks.h"
#include "table_block.h"

#include "device_model/store_form.h"

namespace orva {
namespace {

constexpr int SimCards = 2;
constexpr int PrintedServers = 3;

QString asStored(const QString &stored)
{
    return stored;
}

} // namespace

BlockSize DrawGprsIdentifierBlock(const ReportContext &c, int x, int y)
{
    const QString title = QStringLiteral("Параметры GPRS:");
    const QString identifier = PrintedGprsIdentifier(c.model.get(Gprs::Identifier));
    const int valueOffset = c.canvas.textWidth(title, FontStyle::Bold);
    c.canvas.drawText(x, y + c.m.L, title, TextAlign::Left, FontStyle::Bold);
    c.canvas.drawText(x, y + 2 * c.m.L, QStringLiteral("Идентификатор :"), TextAlign::Left,
                      FontStyle::Normal);
    c.canvas.drawText(x + valueOffset, y + 2 * c.m.L, identifier, TextAlign::Left, FontStyle::Bold);
    return {valueOffset + c.canvas.textWidth(identifier, FontStyle::Bold), 2 * c.m.L};
}

BlockSize DrawGprsKeysBlock(const ReportContext &c, int x, int y)
{
    const QString label = QStringLiteral("Ключ шифрации :");
    const int valueX = x + c.canvas.textWidth(label, FontStyle::Normal);
    const int stripeWidth = c.canvas.textWidth(QStringLiteral("  -  -  -  -  -  -  -  "), FontStyle::Bold);
    for (int line = 1; line <= T_Command_DEVICE::GprsKeyPartCount; line += 2) {
        const int top = y + (line - 1) * c.m.L;
        c.canvas.drawRectangle(valueX, top, valueX + stripeWidth, top + c.m.L, SilverColor, PenStyle::Solid,
                               0);
    }
    c.canvas.drawText(x, y + c.m.L, label, TextAlign::Left, FontStyle::Normal);
    for (int key = 1; key <= T_Command_DEVICE::GprsKeyPartCount; ++key) {
        c.canvas.drawText(valueX, y + key * c.m.L, PrintedGprsKeyPart(c.model.get(Gprs::KeyPart, key)),
                          TextAlign::Left, FontStyle::Bold);
    }
    return {valueX - x + stripeWidth, T_Command_DEVICE::GprsKeyPartCount * c.m.L};
}

BlockSize DrawApnBlock(const ReportContext &c, int x, int y)
{
    struct Row
    {
        QString label;
        TextParam param;
        QString (*shown)(const QString &stored);
    };
    // The APN as the GPRS page shows it, with "." where the file stores ",".
    static const QList<Row> Rows = {{QStringLiteral("APN-сервер"), Gprs::Apn, &ShownApn},
                                    {QStringLiteral("Логин     "), Gprs::Login, &asStored},
                                    {QStringLiteral("Пароль    "), Gprs::Password, &asStored}};
    TableBlock table;
    table.header =
        QStringLiteral("Параметр   SIM-карта №1:                    SIM-карта №2:                     ");
    table.rows = int(Rows.size());
    table.separators = {c.m.cols(10.5), c.m.cols(43.5)};
    table.rowLineShorten = 1;
    table.lineUnderLastRow = true;
    table.cells = [&c](int n) {
        const Row &row = Rows[n - 1];
        QList<TableCell> cells{{0, row.label, FontStyle::Normal}};
        const int offsets[SimCards] = {c.m.cols(11), c.m.cols(44)};
        for (int sim = 1; sim <= SimCards; ++sim)
            cells.append({offsets[sim - 1], row.shown(c.model.get(row.param, sim)), FontStyle::Normal});
        return cells;
    };
    return DrawTableBlock(c, x, y, table).size;
}

BlockSize DrawServersBlock(const ReportContext &c, int x, int y)
{
    TableBlock table;
    table.title = QStringLiteral("Серверы приема сообщений:");
    table.header = QStringLiteral("          IP-адрес        порт ");
    table.headerOffset = c.m.cols(0.25);
    table.rows = PrintedServers;
    table.separators = {c.m.cols(9.5), c.m.cols(25.5)};
    table.cells = [&c](int n) {
        const T_Command &server = c.model.record(Cmd::gs, n);
        QList<TableCell> cells{
            {c.m.cols(0.25), u"Сервер №" + QString::number(n), FontStyle::Normal},
            {c.m.cols(10), ShownServerAddress(server.get(Gprs::ServerAddress)), FontStyle::Normal}};
        if (server.get(Gprs::ServerPort) != 0)
            cells.append({c.m.cols(26), QString::number(server.get(Gprs::ServerPort)), FontStyle::Normal});
        return cells;
    };
    return DrawTableBlock(c, x, y, table).size;
}

BlockSize DrawConnectionBlock(const ReportContext &c, int x, int y)
{
    const QString firstLabel = QStringLiteral("Период сообщ. \"деж.реж.\"тип 1:      ");
    const T_Command &duty = c.model.record(Cmd::gd);
    const T_Command &answer = c.model.record(Cmd::gt);
    c.canvas.drawText(x, y + c.m.L, QStringLiteral("Параметры сеансов связи:"), TextAlign::Left,
                      FontStyle::BoldUnderline);
    DrawLabelValues(c, x, y + 2 * c.m.L,
                    {{firstLabel, QString::number(duty.get(Gprs::Duty1)) + u" сек."},
                     {QStringLiteral("Период сообщ. \"деж.реж.\"тип 2:"),
                      QString::number(duty.get(Gprs::Duty2)) + u" сек."},
                     {QStringLiteral("Время ожидания ответа        :"),
                      QString::number(answer.get(Gprs::AnswerWait)) + u" сек."},
                     {QStringLiteral("Макс.число неотв. на сообщ.  :"),
                      QString::number(answer.get(Gprs::NoAnswerCount))}},
                    c.m.cols(31), FontStyle::Normal);
    return {c.canvas.textWidth(firstLabel, FontStyle::Normal), 5 * c.m.L};
}

} // namespace orva
