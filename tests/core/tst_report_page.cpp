// The record's page flow: every block on the page, texts kept to their columns, values whole.
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

class ReportPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everythingInsidePage_data();
    void everythingInsidePage();
    void modelIsOnlyRead();
    void headerWordsClearSeparators_data();
    void headerWordsClearSeparators();
    void cellsKeepToTheirColumns_data();
    void cellsKeepToTheirColumns();
    void longNamesKeepToTheirBlocks();
    void wrappedRowGrowsItsTable();
    void everyValueWhole_data();
    void everyValueWhole();
    void gprsValuesAsThePageShows_data();
    void gprsValuesAsThePageShows();
};

void ReportPageTest::everythingInsidePage_data()
{
    QTest::addColumn<bool>("filled");
    QTest::newRow("defaults") << false;
    QTest::newRow("every field at its longest") << true;
}

void ReportPageTest::everythingInsidePage()
{
    QFETCH(bool, filled);
    T_Command_DEVICE model = defaults();
    if (filled) {
        model.record(Cmd::oa).setText(1, QStringLiteral("Офис123456"));
        model.record(Cmd::Password).setText(1, QStringLiteral("1234567890"));
        model.record(Cmd::gi).setText(1, QStringLiteral("0A1B2C3D4E5F"));
        for (int n = 1; n <= 2; ++n) {
            model.record(Cmd::ph, n).setText(1, QStringLiteral("+791600000021234"));
            model.record(Cmd::cb, n).setValue(1, 48);
            model.record(Cmd::cb, n).setText(2, QStringLiteral("*100#"));
            model.record(Cmd::ga, n).setText(1, QStringLiteral("internet.corporate-apn.example"));
            model.record(Cmd::gl, n).setText(1, QStringLiteral("login-of-sixteen"));
            model.record(Cmd::gp, n).setText(1, QStringLiteral("password-sixteen"));
        }
        for (int n = 1; n <= 4; ++n) {
            model.record(Cmd::la, n).setText(1, QStringLiteral("Котельная1"));
            model.record(Cmd::lm, n).setValue(1, 1);
            model.record(Cmd::lm, n).setValue(2, 180);
            model.record(Cmd::rm, n).setValue(1, 7);
            model.record(Cmd::rm, n).setValue(2, 999);
            model.record(Cmd::gk, n).setText(1, QStringLiteral("00112233445566AA"));
        }
        for (int n = 1; n <= 15; ++n) {
            model.record(Cmd::ua, n).setText(1, QStringLiteral("*Охранник1"));
            model.record(Cmd::ua, n).setText(2, QStringLiteral("********"));
        }
        for (int n = 1; n <= 9; ++n) {
            model.record(Cmd::sn, n).setValue(1, 3);
            model.record(Cmd::sn, n).setText(2, QStringLiteral("+790012345678901"));
            model.record(Cmd::su, n).setText(2, QStringLiteral("+790012345678901"));
            for (int i = 1; i <= 5; ++i)
                model.record(Cmd::su, n).setItem(i, 10 + i);
        }
        for (int n = 1; n <= 3; ++n) {
            model.record(Cmd::gs, n).setText(1, QStringLiteral("192.168.100.200"));
            model.record(Cmd::gs, n).setValue(2, 65535);
        }
        model.record(Cmd::gd).setValue(1, 900);
        model.record(Cmd::gd).setValue(2, 900);
        model.record(Cmd::gt).setValue(2, 100);
    }
    ReportExtent extent;
    const RecordingCanvas canvas = draw(model, &extent);

    for (const auto &t : canvas.texts) {
        const int width = int(t.text.size()) * K;
        const int left = t.align == TextAlign::Left ? t.x : t.x - width;
        QVERIFY2(left >= 0 && left + width <= PageWidth, qPrintable(t.text));
        QVERIFY2(t.y - L >= 0 && t.y <= PageHeight, qPrintable(t.text));
    }
    for (const auto &line : canvas.lines)
        QVERIFY(std::max(line.x1, line.x2) <= PageWidth && std::max(line.y1, line.y2) <= PageHeight);
    for (const auto &r : canvas.rects)
        QVERIFY(std::max(r.x1, r.x2) <= PageWidth && std::max(r.y1, r.y2) <= PageHeight);
    QVERIFY(extent.width <= PageWidth);
    QVERIFY(extent.height <= PageHeight);
}

void ReportPageTest::modelIsOnlyRead()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::gi).setText(1, QStringLiteral("123456789ABC"));
    const T_Command_DEVICE before = model;
    draw(model);
    QVERIFY(SameModel(model, before));
    QCOMPARE(model.record(Cmd::gi).text(1), QStringLiteral("123456789ABC"));
}

void ReportPageTest::headerWordsClearSeparators_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("separator");
    QTest::newRow("balance") << BalanceHeader << "Контроль баланса        " << 19.5;
    QTest::newRow("loops") << LoopsHeader << "Псевдоним  " << 37.5;
}

void ReportPageTest::headerWordsClearSeparators()
{
    QFETCH(QString, header);
    QFETCH(QString, word);
    QFETCH(double, separator);
    const RecordingCanvas canvas = draw(defaults());
    const Table table = locate(canvas, header, 6);
    // The header reads as before, in two pieces on its line: the moved word starts clear of the
    // separator that would have cut its first letter.
    const QList<RecordingCanvas::Text> line =
        canvas.onLine(table.headerBottom, table.x, table.x + table.width);
    QCOMPARE(line.size(), 2);
    QCOMPARE(line[0].text + line[1].text, header);
    QCOMPARE(line[1].text, word);
    const int separatorX = table.x + RoundHalfEven(separator * K);
    QCOMPARE(line[1].x, separatorX + 4);
    QVERIFY(line[1].x + int(word.trimmed().size()) * K < table.x + table.width);
}

void ReportPageTest::cellsKeepToTheirColumns_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("printed"); // the cell's lines, top to bottom
    QTest::addColumn<double>("left");         // the column's lines, in characters
    QTest::addColumn<double>("right");        // 0: the frame
    // Moved left, clear of the frame, separator or thick key line, and whole.
    QTest::newRow("10-character loop name")
        << LoopsHeader << 1 << "Котельная1" << QStringList{u"Котельная1"_s} << 37.5 << 0.0;
    QTest::newRow("learned key") << KeysHeader << 1 << "************" << QStringList{u"************"_s}
                                 << 13.5 << 0.0;
    QTest::newRow("3-digit relay time")
        << RelaysHeader << 1 << "999" << QStringList{u"999 сек"_s} << 20.5 << 0.0;
    // Wider than the column: going on on further lines, broken after a separator where one fits, else
    // after the last character that fits; not one character lost.
    QTest::newRow("long APN of SIM 1")
        << ApnHeader << 1 << "internet,corporate,mts,ru,branch-office-north-77"
        << QStringList{u"internet.corporate.mts.ru."_s, u"branch-office-north-77"_s} << 10.5 << 43.5;
    QTest::newRow("long balance phone") << BalanceHeader << 1 << "+7916000000212345678901"
                                        << QStringList{u"+7916000000212345"_s, u"678901"_s} << 1.5 << 19.5;
}

void ReportPageTest::cellsKeepToTheirColumns()
{
    QFETCH(QString, header);
    QFETCH(int, row);
    QFETCH(QString, stored);
    QFETCH(QStringList, printed);
    QFETCH(double, left);
    QFETCH(double, right);
    T_Command_DEVICE model = defaults();
    int headerOffset = 6;
    if (header == LoopsHeader) {
        model.record(Cmd::la, 1).setText(1, stored);
    } else if (header == KeysHeader) {
        model.record(Cmd::ua, 1).setText(2, stored);
        headerOffset = 17;
    } else if (header == RelaysHeader) {
        model.record(Cmd::rm, 1).setValue(2, stored.toInt());
    } else if (header == ApnHeader) {
        model.record(Cmd::ga, 1).setText(1, stored);
        headerOffset = 4;
    } else {
        model.record(Cmd::ph, 1).setText(1, stored);
    }
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, header, headerOffset);
    const int columnLeft = table.x + RoundHalfEven(left * K);
    const int columnRight = right > 0 ? table.x + RoundHalfEven(right * K) : table.x + table.width;
    int x = -1;
    for (int line = 0; line < printed.size(); ++line) {
        const RecordingCanvas::Text cell = canvas.one(printed[line]);
        QVERIFY2(!cell.text.isEmpty(), qPrintable(rowTexts(canvas, table, row + line).join(u" | ")));
        QCOMPARE(cell.y, table.headerBottom + (row + line) * L);
        QVERIFY(cell.x >= columnLeft + 4);
        QVERIFY(cell.x + int(printed[line].size()) * K <= columnRight - 4);
        QVERIFY(x < 0 || cell.x == x); // the lines of a cell stand one below another
        x = cell.x;
    }
    // A cell of more lines makes its row as high: the next row's line is under its last line.
    bool nextRowLine = false;
    for (const auto &line : canvas.lines) {
        nextRowLine = nextRowLine || (line.x1 == table.x && line.y1 == line.y2 &&
                                      line.y1 == table.headerBottom + (row - 1 + int(printed.size())) * L);
    }
    QVERIFY(nextRowLine);
}

void ReportPageTest::longNamesKeepToTheirBlocks()
{
    T_Command_DEVICE model = defaults();
    const QString name = QStringLiteral("ОченьДлинноеИмяПрибораИзФайлаКотороеНеВлезает");
    model.record(Cmd::oa).setText(1, name + name);
    model.record(Cmd::Password).setText(1, name);
    const RecordingCanvas canvas = draw(model);

    // The heading goes on on further lines, each ending where the signature line does; together they
    // hold it whole.
    const auto keyLine = canvas.find(GprsKeyLabel).value(0); // the heading's; the GPRS keys' comes later
    QString heading;
    int headingLines = 0;
    for (const auto &t : canvas.texts) {
        if (t.style == FontStyle::BoldUnderline && t.y < keyLine.y) {
            QCOMPARE(t.x, 0);
            QCOMPARE(t.y, (headingLines + 1) * L);
            QVERIFY(int(t.text.size()) * K <= PageWidth - 150);
            heading += t.text;
            ++headingLines;
        }
    }
    QCOMPARE(heading, u"Конфигурация устройства:(\"" + name + name + u"\"/0000-0000-0000)");
    QVERIFY(headingLines > 1);
    QCOMPARE(keyLine.y, (headingLines + 1) * L);

    // The device block's values go on on further lines that end before the balance table; the password
    // follows the name's last line, and the next blocks stand below the grown block.
    const Table balance = locate(canvas, BalanceHeader, 6);
    QCOMPARE(balance.headerBottom, keyLine.y + H + L);
    const auto nameLabel = canvas.one(QStringLiteral("Псевдоним     :"));
    const auto passwordLabel = canvas.one(QStringLiteral("Пароль доступа:"));
    QString shownName;
    QString shownPassword;
    int lastBottom = 0;
    const QString signallingTitle = QStringLiteral("Сигнализация и индикация:           ");
    for (const auto &t : canvas.texts) {
        if (t.text == signallingTitle)
            break; // the blocks are drawn one after another: the device block's texts come before
        if (t.x != 16 * K || t.y < nameLabel.y || t.style != FontStyle::Bold)
            continue;
        QVERIFY(t.x + int(t.text.size()) * K <= balance.x - 2 * K);
        (t.y < passwordLabel.y ? shownName : shownPassword) += t.text;
        lastBottom = std::max(lastBottom, t.y);
    }
    QCOMPARE(shownName, u'"' + name + name + u'"');
    QCOMPARE(shownPassword, u'"' + name + u'"');
    QVERIFY(passwordLabel.y > nameLabel.y + L);
    const auto signalling = canvas.one(signallingTitle);
    QCOMPARE(signalling.y, lastBottom + H + L);
}

// Loop mode 16 with its delay is wider than its column: its row takes two lines, its stripe and the
// frame grow with it, and everything below moves down a line.
void ReportPageTest::wrappedRowGrowsItsTable()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::lm, 1).setValue(1, 16);
    model.record(Cmd::lm, 1).setValue(2, 180);
    model.record(Cmd::la, 1).setText(1, QStringLiteral("Склад"));
    const RecordingCanvas canvas = draw(model);
    const RecordingCanvas plain = draw(defaults());
    const Table table = locate(canvas, LoopsHeader, 6);
    const Table plainTable = locate(plain, LoopsHeader, 6);
    QCOMPARE(table.headerBottom, plainTable.headerBottom);

    const QList<RecordingCanvas::Text> row1 =
        canvas.onLine(table.headerBottom + L, table.x, table.x + table.width);
    QCOMPARE(row1.size(), 3);
    QCOMPARE(row1[1].text, QStringLiteral("охранный с фиксированной задержкой "));
    QCOMPARE(row1[2].text, QStringLiteral("Склад")); // the name stays on the row's first line
    QCOMPARE(cellText(canvas, row1[1], table.x),
             QStringLiteral("охранный с фиксированной задержкой 180 сек."));
    QCOMPARE(rowTexts(canvas, table, 2), QStringList{u"180 сек."_s}); // the row's second line

    // Row 1 is two lines high: its stripe covers both, row 2's line and everything after are one line
    // lower; the frame and separators reach the new bottom.
    bool stripe = false;
    for (const auto &r : canvas.rects) {
        stripe = stripe || (r.fill == SilverColor && r.x1 == table.x && r.y1 == table.headerBottom &&
                            r.y2 == table.headerBottom + 2 * L);
    }
    QVERIFY(stripe);
    QCOMPARE(rowTexts(canvas, table, 3).value(0), QStringLiteral("2"));
    QCOMPARE(rowTexts(canvas, table, 5).value(0), QStringLiteral("4"));
    bool framed = false;
    for (const auto &r : canvas.rects) {
        framed = framed || (!r.fill && r.x1 == table.x && r.y1 == table.headerBottom - L &&
                            r.y2 == table.headerBottom + 5 * L);
    }
    QVERIFY(framed);
    QCOMPARE(canvas.one(QStringLiteral("Число повторов тревог:")).y, table.headerBottom + 6 * L);
    QCOMPARE(locate(canvas, KeysHeader, 17).headerBottom, locate(plain, KeysHeader, 17).headerBottom + L);
    // The relays beside it keep their places.
    QCOMPARE(locate(canvas, RelaysHeader, 6).headerBottom, locate(plain, RelaysHeader, 6).headerBottom);
}

// Any text a file may bring, far wider than its column, is printed whole: its cell's lines joined give
// the value as the editor shows it, and no text anywhere is shortened.
void ReportPageTest::everyValueWhole_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("headerOffset");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("instance");
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("offset"); // the cell's offset from the block's x, in characters
    const QString loop = LoopsHeader;
    QTest::newRow("loop name") << loop << 6 << int(Cmd::la) << 3 << 1 << 3 << 38.0;
    QTest::newRow("key name") << KeysHeader << 17 << int(Cmd::ua) << 2 << 1 << 2 << 3.0;
    QTest::newRow("key code") << KeysHeader << 17 << int(Cmd::ua) << 4 << 2 << 4 << 14.0;
    QTest::newRow("balance phone") << BalanceHeader << 6 << int(Cmd::ph) << 2 << 1 << 2 << 2.0;
    QTest::newRow("SMS phone") << SmsHeader << 6 << int(Cmd::sn) << 9 << 2 << 9 << 2.0;
    QTest::newRow("SMS-by-keys phone") << SmsByKeysHeader << 6 << int(Cmd::su) << 1 << 2 << 1 << 2.0;
    QTest::newRow("APN of SIM 2") << ApnHeader << 4 << int(Cmd::ga) << 2 << 1 << 1 << 44.0;
    QTest::newRow("login of SIM 1") << ApnHeader << 4 << int(Cmd::gl) << 1 << 1 << 2 << 11.0;
    QTest::newRow("password of SIM 2") << ApnHeader << 4 << int(Cmd::gp) << 2 << 1 << 3 << 44.0;
}

void ReportPageTest::everyValueWhole()
{
    QFETCH(QString, header);
    QFETCH(int, headerOffset);
    QFETCH(int, command);
    QFETCH(int, instance);
    QFETCH(int, param);
    QFETCH(int, row);
    QFETCH(double, offset);
    const QString value =
        QStringLiteral("Pa55 word with blanks/and-separators_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    T_Command_DEVICE model = defaults();
    model.record(quint8(command), instance).setText(param, value);
    if (command == Cmd::sn)
        model.record(Cmd::sn, instance).setValue(1, 4); // a phone with a message set prints its number
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, header, headerOffset);
    const int x = table.x + RoundHalfEven(offset * K);
    const QList<RecordingCanvas::Text> cell = canvas.onLine(table.headerBottom + row * L, x, x + 1);
    QVERIFY2(cell.size() == 1, qPrintable(rowTexts(canvas, table, row).join(u" | ")));
    QCOMPARE(cellText(canvas, cell.first(), table.x), value);
    for (const auto &t : canvas.texts)
        QVERIFY2(!t.text.contains(u'…'), qPrintable(t.text));
}

void ReportPageTest::gprsValuesAsThePageShows_data()
{
    QTest::addColumn<QString>("apn");
    QTest::addColumn<QString>("shownApn");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("shownAddress");
    QTest::newRow("stored by the page") << "internet,mts,ru"
                                        << "internet.mts.ru"
                                        << "192,168,001,010"
                                        << "192.168.001.010";
    QTest::newRow("short groups") << "apn"
                                  << "apn"
                                  << "10,0,0,1"
                                  << "010.000.000.001";
    QTest::newRow("as read") << "a.b"
                             << "a.b"
                             << "10.0.0.1"
                             << "010.000.000.001";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "000.000.000.000";
}

void ReportPageTest::gprsValuesAsThePageShows()
{
    QFETCH(QString, apn);
    QFETCH(QString, shownApn);
    QFETCH(QString, address);
    QFETCH(QString, shownAddress);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::ga, 2).setText(1, apn);
    model.record(Cmd::gs, 3).setText(1, address);
    const RecordingCanvas canvas = draw(model);
    const Table apnTable = locate(canvas, ApnHeader, 4);
    const QStringList apnRow = rowTexts(canvas, apnTable, 1);
    QCOMPARE(apnRow.first(), QStringLiteral("APN-сервер"));
    QCOMPARE(apnRow.size(), shownApn.isEmpty() ? 1 : 2);
    if (!shownApn.isEmpty())
        QCOMPARE(apnRow.last(), shownApn);
    const Table servers = locate(canvas, ServersHeader, 6);
    QCOMPARE(rowTexts(canvas, servers, 3), (QStringList{u"Сервер №3"_s, shownAddress, u"10001"_s}));
}

QTEST_GUILESS_MAIN(ReportPageTest)
#include "tst_report_page.moc"
