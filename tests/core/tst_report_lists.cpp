// The record's list blocks: SMS, SMS by keys, loops, relays and keys.
#include "report_probe.h"

#include "device_model/vocabularies.h"
#include "report/configuration_report.h"
#include "report/print_identifier.h"
#include "report/report_metrics.h"
#include "report/report_texts.h"
#include "report/text_fit.h"
#include "storage/config_file.h"

#include <QTest>

#include <limits>

using namespace orva;
using namespace orva::test;
using namespace Qt::StringLiterals;

class ReportListsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void smsRow_data();
    void smsRow();
    void relayRow_data();
    void relayRow();
    void loopRow_data();
    void loopRow();
    void linesBelowFrames_data();
    void linesBelowFrames();
    void smsByKeysRow_data();
    void smsByKeysRow();
    void smsByKeysFromFile();
    void stripes_data();
    void stripes();
    void keyBlocksShareHeaderLine();
};

void ReportListsTest::smsRow_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("set 0 leaves the row empty") << 0 << "+79001234567" << QStringList{u"1"_s};
    QTest::newRow("no phone") << 4 << "" << QStringList{u"1"_s};
    QTest::newRow("set 1") << 1 << "+79001234567" << QStringList{u"1"_s, u"+79001234567"_s, u"Трев."_s};
    QTest::newRow("set 2") << 2 << "+7900" << QStringList{u"1"_s, u"+7900"_s, u"Трев.+Служ."_s};
    QTest::newRow("set 4") << 4 << "+7900" << QStringList{u"1"_s, u"+7900"_s, u"Все"_s};
}

void ReportListsTest::smsRow()
{
    QFETCH(int, set);
    QFETCH(QString, phone);
    QFETCH(QStringList, row);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::sn, 1).setValue(1, set);
    model.record(Cmd::sn, 1).setText(2, phone);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, SmsHeader, 6);
    QCOMPARE(rowTexts(canvas, table, 1), row);
}

void ReportListsTest::relayRow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("time");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("mode 0 without time") << 0 << 90 << QStringList{u"3"_s, u"SMS-управление"_s};
    QTest::newRow("siren") << 4 << 30 << QStringList{u"3"_s, u"Сирена 1"_s, u"30 сек"_s};
    QTest::newRow("fire siren") << 9 << 120 << QStringList{u"3"_s, u"Сирена 2 -пожар"_s, u"120 сек"_s};
    QTest::newRow("lock without time") << 10 << 5 << QStringList{u"3"_s, u"ЗАМОК"_s};
}

void ReportListsTest::relayRow()
{
    QFETCH(int, mode);
    QFETCH(int, time);
    QFETCH(QStringList, row);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::rm, 3).setValue(1, mode);
    model.record(Cmd::rm, 3).setValue(2, time);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, RelaysHeader, 6);
    QCOMPARE(rowTexts(canvas, table, 3), row);
    for (const auto &t : canvas.onLine(table.headerBottom + 3 * L, table.x, table.x + table.width))
        QCOMPARE(t.style, FontStyle::Normal);
}

void ReportListsTest::loopRow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("modeText");
    QTest::newRow("delayed") << 1 << "охранный с задержк.на вход(180сек.)";
    QTest::newRow("split") << 3 << "охранный без задержки,расщепленный";
    QTest::newRow("fire with reset") << 12 << "пож.тип2(дым+тепл с контр.сбросом)";
    QTest::newRow("unused") << 7 << "";
}

void ReportListsTest::loopRow()
{
    QFETCH(int, mode);
    QFETCH(QString, modeText);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::lm, 2).setValue(1, mode);
    model.record(Cmd::lm, 2).setValue(2, 180);
    model.record(Cmd::la, 2).setText(1, QStringLiteral("Котельная1"));
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, LoopsHeader, 6);

    const QList<RecordingCanvas::Text> row =
        canvas.onLine(table.headerBottom + 2 * L, table.x, table.x + table.width);
    QCOMPARE(row.size(), modeText.isEmpty() ? 2 : 3);
    QCOMPARE(row.first().text, QStringLiteral("2"));
    QCOMPARE(row.first().style, FontStyle::Normal);
    if (!modeText.isEmpty()) {
        QCOMPARE(row[1].text, modeText);
        QCOMPARE(row[1].x, table.x + 2 * K);
        QCOMPARE(row[1].style, FontStyle::Bold);
    }
    // The name stands right of the second separator, clear of the longest mode text, inside the frame.
    const auto &name = row.last();
    QCOMPARE(name.text, QStringLiteral("Котельная1"));
    const int separatorX = table.x + RoundHalfEven(37.5 * K);
    QVERIFY(name.x > separatorX);
    QVERIFY(table.x + 2 * K + 35 * K <= name.x);
    QVERIFY(name.x + 10 * K <= table.x + table.width);
}

void ReportListsTest::linesBelowFrames_data()
{
    QTest::addColumn<int>("repeats");
    QTest::addColumn<QString>("repeatsText");
    QTest::addColumn<int>("panic");
    QTest::addColumn<QString>("panicText");
    QTest::newRow("repeats 0, relay off") << 0 << "Все тревоги" << 0 << "Выкл";
    QTest::newRow("repeats 3, relay on") << 3 << "3" << 1 << "Вкл";
}

void ReportListsTest::linesBelowFrames()
{
    QFETCH(int, repeats);
    QFETCH(QString, repeatsText);
    QFETCH(int, panic);
    QFETCH(QString, panicText);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::lc).setValue(1, repeats);
    model.record(Cmd::br).setValue(1, panic);
    const RecordingCanvas canvas = draw(model);

    const Table loops = locate(canvas, LoopsHeader, 6);
    const auto repeatsLabel = canvas.one(QStringLiteral("Число повторов тревог:"));
    QCOMPARE(repeatsLabel.y, loops.headerBottom + 5 * L);
    QCOMPARE(repeatsLabel.x, loops.x);
    QCOMPARE(canvas.onLine(repeatsLabel.y, loops.x + 22 * K, loops.x + 22 * K + 1).value(0).text,
             repeatsText);

    const Table relays = locate(canvas, RelaysHeader, 6);
    const auto panicLabel = canvas.one(QStringLiteral("Реле при нарушении КТС:"));
    QCOMPARE(panicLabel.y, relays.headerBottom + 5 * L);
    QCOMPARE(canvas.onLine(panicLabel.y, relays.x + 23 * K, relays.x + 23 * K + 1).value(0).text, panicText);
}

void ReportListsTest::smsByKeysRow_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("only key 3") << "+79001112233" << QList<int>{3, 0, 0, 0, 0}
                                << QStringList{u"4"_s, u"+79001112233"_s, u"(3,,,,)"_s};
    QTest::newRow("five keys") << "+7900" << QList<int>{1, 2, 3, 14, 15}
                               << QStringList{u"4"_s, u"+7900"_s, u"(1,2,3,14,15)"_s};
    QTest::newRow("gap in the list") << "+7900" << QList<int>{0, 0, 3, 0, 0}
                                     << QStringList{u"4"_s, u"+7900"_s, u"(,,3,,)"_s};
    QTest::newRow("no phone") << "" << QList<int>{3, 0, 0, 0, 0} << QStringList{u"4"_s};
}

void ReportListsTest::smsByKeysRow()
{
    QFETCH(QString, phone);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, row);
    T_Command_DEVICE model = defaults();
    T_Command &record = model.record(Cmd::su, 4);
    record.setText(2, phone);
    for (int i = 1; i <= 5; ++i)
        record.setItem(i, keys[i - 1]);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, SmsByKeysHeader, 6);
    QCOMPARE(rowTexts(canvas, table, 4), row);
}

void ReportListsTest::smsByKeysFromFile()
{
    // A file's list with only key 3 reads into the first item.
    T_Command_DEVICE model;
    LoadConfigurationText(QStringLiteral("su2-3.+79001112233\r\n"), model);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, SmsByKeysHeader, 6);
    QCOMPARE(rowTexts(canvas, table, 2), (QStringList{u"2"_s, u"+79001112233"_s, u"(3,,,,)"_s}));
}

void ReportListsTest::stripes_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("headerOffset");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<QList<int>>("striped");
    QTest::newRow("balance") << BalanceHeader << 6 << 2 << 1 << QList<int>{1};
    QTest::newRow("loops") << LoopsHeader << 6 << 4 << 1 << QList<int>{1, 3};
    QTest::newRow("relays") << RelaysHeader << 6 << 4 << 1 << QList<int>{1, 3};
    QTest::newRow("keys") << KeysHeader << 17 << 5 << 3 << QList<int>{1, 3, 5};
    QTest::newRow("sms by keys") << SmsByKeysHeader << 6 << 9 << 1 << QList<int>{1, 3, 5, 7, 9};
    QTest::newRow("sms") << SmsHeader << 6 << 9 << 1 << QList<int>{1, 3, 5, 7, 9};
    // The APN header stands at the block's x in its layout; it keeps a gap from the frame.
    QTest::newRow("apn") << ApnHeader << 4 << 3 << 1 << QList<int>{1, 3};
    QTest::newRow("servers") << ServersHeader << 6 << 3 << 1 << QList<int>{1, 3};
}

void ReportListsTest::stripes()
{
    QFETCH(QString, header);
    QFETCH(int, headerOffset);
    QFETCH(int, rows);
    QFETCH(int, blocks);
    QFETCH(QList<int>, striped);
    const RecordingCanvas canvas = draw(defaults());
    QCOMPARE(headerLines(canvas, header).size(), blocks);
    for (int block = 0; block < blocks; ++block) {
        const Table table = locate(canvas, header, headerOffset, block);
        QCOMPARE(stripedRows(canvas, table, rows), striped);
        // Every row has its line at the top; the frame encloses header and rows.
        int rowLines = 0;
        for (const auto &line : canvas.lines) {
            if (line.x1 == table.x && line.y1 == line.y2 && line.y1 >= table.headerBottom &&
                line.y1 < table.headerBottom + rows * L && line.width == FramePen) {
                ++rowLines;
            }
        }
        QCOMPARE(rowLines, rows);
        bool framed = false;
        for (const auto &r : canvas.rects) {
            framed = framed ||
                     (!r.fill && r.width == FramePen && r.x1 == table.x && r.x2 == table.x + table.width &&
                      r.y1 == table.headerBottom - L && r.y2 == table.headerBottom + rows * L);
        }
        QVERIFY(framed);
    }
}

void ReportListsTest::keyBlocksShareHeaderLine()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::ua, 7).setText(1, QStringLiteral("!Иванов"));
    model.record(Cmd::ua, 7).setText(2, QStringLiteral("00A1B2C3"));
    const RecordingCanvas canvas = draw(model);

    const QList<RecordingCanvas::Text> headers = canvas.find(KeysHeader);
    QCOMPARE(headers.size(), 3);
    const int w = int(KeysHeader.size()) * K;
    const int headerY = headers.first().y;
    for (int block = 0; block < 3; ++block) {
        QCOMPARE(headers[block].y, headerY);
        QCOMPARE(headers[block].x, block * w + 17);
    }
    const auto title = canvas.one(QStringLiteral("Ключи:"));
    QCOMPARE(title.x, 0);
    QCOMPARE(title.y, headerY - L);

    // Two thick separators between the blocks, from the header line's top to just above the bottom.
    const int top = headerY - 2 * L;
    QList<int> thick;
    for (const auto &line : canvas.lines) {
        if (line.width == 4) {
            QCOMPARE(line.x1, line.x2);
            QCOMPARE(line.y1, top + L + 2);
            QCOMPARE(line.y2, top + 7 * L - 8);
            thick.append(line.x1);
        }
    }
    QCOMPARE(thick, (QList<int>{w, 2 * w}));

    // Key 7 is the second row of the middle block: number, name with its mark, code.
    const Table middle = locate(canvas, KeysHeader, 17, 1);
    QCOMPARE(rowTexts(canvas, middle, 2), (QStringList{u"07"_s, u"!Иванов"_s, u"00A1B2C3"_s}));
    QCOMPARE(canvas.one(QStringLiteral("!Иванов")).x, w + 3 * K);
    QCOMPARE(canvas.one(QStringLiteral("00A1B2C3")).x, w + 14 * K);
    QCOMPARE(rowTexts(canvas, locate(canvas, KeysHeader, 17, 2), 5), QStringList{u"15"_s});
}

QTEST_GUILESS_MAIN(ReportListsTest)
#include "tst_report_lists.moc"
