#include "recording_canvas.h"

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
using namespace Qt::StringLiterals;
using test::RecordingCanvas;

namespace {

// The grid of Courier New 11 pt on the record's 25-mm inch, as a printer measures it.
constexpr int K = 23;
constexpr int L = 43;
constexpr int H = 22;            // 21.5 rounded to even
constexpr int PageWidth = 2067;  // A4: 210 mm on the record's grid
constexpr int PageHeight = 2923; // A4: 297 mm
const QString PrintDate = QStringLiteral("01.02.2024");

T_Command_DEVICE defaults()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    return model;
}

RecordingCanvas draw(const T_Command_DEVICE &model, ReportExtent *extent = nullptr)
{
    RecordingCanvas canvas(K, L);
    const ReportExtent drawn = DrawConfigurationReport(model, canvas, ReportPage{PageWidth, PrintDate});
    if (extent)
        *extent = drawn;
    return canvas;
}

// Where a table stands: the block's x, the bottom of its header line and its width.
struct Table
{
    int x = 0;
    int headerBottom = 0;
    int width = 0;
};

// The header lines of a table: the header drawn whole, or its first piece where a word of it moved clear
// of a separator.
QList<RecordingCanvas::Text> headerLines(const RecordingCanvas &canvas, const QString &header)
{
    QList<RecordingCanvas::Text> found;
    for (const RecordingCanvas::Text &t : canvas.texts) {
        if (!t.text.trimmed().isEmpty() && header.startsWith(t.text) && t.style == FontStyle::Bold)
            found.append(t);
    }
    return found;
}

Table locate(const RecordingCanvas &canvas, const QString &header, int headerOffset, int which = 0)
{
    const QList<RecordingCanvas::Text> found = headerLines(canvas, header);
    if (which >= found.size())
        return {};
    const RecordingCanvas::Text &t = found[which];
    return {t.x - headerOffset, t.y, int(header.size()) * K};
}

// The texts of data row `row` of the table, left to right as drawn.
QStringList rowTexts(const RecordingCanvas &canvas, const Table &table, int row)
{
    QStringList texts;
    for (const auto &t : canvas.onLine(table.headerBottom + row * L, table.x, table.x + table.width))
        texts.append(t.text);
    return texts;
}

// The whole text of the cell whose first line is `first`, in a table at `tableX`: its lines at the same
// x, joined, down to its row's bottom (the next row line, or the frame's bottom).
QString cellText(const RecordingCanvas &canvas, const RecordingCanvas::Text &first, int tableX)
{
    int bottom = std::numeric_limits<int>::max();
    for (const auto &line : canvas.lines) {
        if (line.x1 == tableX && line.y1 == line.y2 && line.y1 >= first.y)
            bottom = std::min(bottom, line.y1);
    }
    for (const auto &r : canvas.rects) {
        if (!r.fill && r.x1 == tableX && r.y2 >= first.y)
            bottom = std::min(bottom, r.y2);
    }
    QString text;
    for (const auto &t : canvas.texts) {
        if (t.x == first.x && t.y >= first.y && t.y <= bottom)
            text += t.text;
    }
    return text;
}

// The rows (from 1) with a silver stripe that spans the table's width.
QList<int> stripedRows(const RecordingCanvas &canvas, const Table &table, int rows)
{
    QList<int> striped;
    for (int row = 1; row <= rows; ++row) {
        const int top = table.headerBottom + (row - 1) * L;
        for (const auto &r : canvas.rects) {
            if (r.fill == SilverColor && r.width == 0 && r.x1 == table.x && r.x2 == table.x + table.width &&
                r.y1 == top && r.y2 == top + L) {
                striped.append(row);
            }
        }
    }
    return striped;
}

const QString BalanceHeader = QStringLiteral("№ Номер            Контроль баланса        ");
const QString LoopsHeader = QStringLiteral("№ Режим                              Псевдоним  ");
const QString RelaysHeader = QStringLiteral("№ Режим              Время  ");
const QString KeysHeader = QStringLiteral("№ Псевдоним  Код ключа    ");
const QString SmsByKeysHeader = QStringLiteral("№ Телефон           Ключи             ");
const QString SmsHeader = QStringLiteral("№ Телефон           Набор сообщений   ");
const QString ApnHeader =
    QStringLiteral("Параметр   SIM-карта №1:                    SIM-карта №2:                     ");
const QString ServersHeader = QStringLiteral("          IP-адрес        порт ");
const QString GprsKeyLabel = QStringLiteral("Ключ шифрации :");

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundHalfEven_data();
    void roundHalfEven();
    void halfLineRoundsToEven_data();
    void halfLineRoundsToEven();
    void modeTexts_data();
    void modeTexts();
    void normalizeIdentifier_data();
    void normalizeIdentifier();
    void jobTitle_data();
    void jobTitle();
    void heading_data();
    void heading();
    void gprsKeys_data();
    void gprsKeys();
    void balanceRow_data();
    void balanceRow();
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
    void everythingInsidePage_data();
    void everythingInsidePage();
    void footer();
    void modelIsOnlyRead();
    void modeTable_data();
    void modeTable();
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
    void wrapText_data();
    void wrapText();
};

void ReportTest::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("5.75") << 5.75 << 6;
    QTest::newRow("34.5") << 34.5 << 34;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("7.49") << 7.49 << 7;
}

void ReportTest::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void ReportTest::halfLineRoundsToEven_data()
{
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("half");
    QTest::newRow("43") << 43 << 22;
    QTest::newRow("45") << 45 << 22;
    QTest::newRow("44") << 44 << 22;
    QTest::newRow("41") << 41 << 20;
    QTest::newRow("47") << 47 << 24;
}

void ReportTest::halfLineRoundsToEven()
{
    QFETCH(int, lineHeight);
    QFETCH(int, half);
    const RecordingCanvas canvas(25, lineHeight);
    const ReportMetrics m = MeasureReport(canvas);
    QCOMPARE(m.L, lineHeight);
    QCOMPARE(m.K, 25);
    QCOMPARE(m.H, half);
    QCOMPARE(m.cols(0.25), 6);  // 6.25
    QCOMPARE(m.cols(1.5), 38);  // 37.5, to even
    QCOMPARE(m.cols(0.75), 19); // 18.75
}

void ReportTest::modeTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("loop 1 with delay") << "loop" << 1 << "охранный с задержк.на вход(45сек.)";
    QTest::newRow("loop 6") << "loop" << 6 << "охранный КТС";
    QTest::newRow("loop 7 unused") << "loop" << 7 << "";
    QTest::newRow("loop 11") << "loop" << 11 << "пож.тип1(дым. c контр.сбросом)";
    QTest::newRow("loop 0 unused") << "loop" << 0 << "";
    // The modes the record's own table lacks print as the Loops page names them.
    QTest::newRow("loop 13") << "loop" << 13 << "не используется";
    QTest::newRow("loop 14") << "loop" << 14 << "ПАТРУЛЬ";
    QTest::newRow("loop 15") << "loop" << 15 << "УПРАВЛЕНИЕ";
    QTest::newRow("loop 16 with delay") << "loop" << 16 << "охранный с фиксированной задержкой 45 сек.";
    QTest::newRow("relay 0") << "relay" << 0 << "SMS-управление";
    QTest::newRow("relay 8") << "relay" << 8 << "Сирена 1 -пожар";
    QTest::newRow("relay 10 as the page") << "relay" << 10 << "ЗАМОК";
    QTest::newRow("set 3") << "set" << 3 << "Трев.+Вз/Сн";
    QTest::newRow("set 0") << "set" << 0 << "";
}

void ReportTest::modeTexts()
{
    QFETCH(QString, kind);
    QFETCH(int, value);
    QFETCH(QString, expected);
    if (kind == u"loop")
        QCOMPARE(ReportLoopModeText(FromStored<LoopMode>(value), 45), expected);
    else if (kind == u"relay")
        QCOMPARE(ReportRelayModeText(FromStored<RelayMode>(value)), expected);
    else
        QCOMPARE(ReportMessageSetText(value), expected);
}

void ReportTest::normalizeIdentifier_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("normalized");
    QTest::newRow("empty") << ""
                           << "0000-0000-0000";
    QTest::newRow("12 digits") << "123456789ABC"
                               << "1234-5678-9ABC";
    QTest::newRow("already formatted") << "1234-5678-9ABC"
                                       << "1234-5678-9ABC";
    QTest::newRow("short groups") << "12-5678"
                                  << "1200-5678-0000";
    QTest::newRow("lower case stays") << "abcdef012345"
                                      << "abcd-ef01-2345";
    QTest::newRow("too long") << "123456789ABCDEF"
                              << "1234-5678-9ABC";
}

void ReportTest::normalizeIdentifier()
{
    QFETCH(QString, stored);
    QFETCH(QString, normalized);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::gi).setText(1, stored);
    NormalizeIdentifierForPrint(model);
    QCOMPARE(model.record(Cmd::gi).text(1), normalized);
    NormalizeIdentifierForPrint(model); // a second print keeps it
    QCOMPARE(model.record(Cmd::gi).text(1), normalized);
}

void ReportTest::jobTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty device") << ""
                                  << ""
                                  << "ППКОП-Orva( 0000-0000-0000)";
    QTest::newRow("named") << "Офис12"
                           << "0A1B2C3D4E5F"
                           << "ППКОП-Orva(Офис12 0A1B-2C3D-4E5F)";
}

void ReportTest::jobTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QFETCH(QString, title);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::oa).setText(1, name);
    model.record(Cmd::gi).setText(1, identifier);
    NormalizeIdentifierForPrint(model);
    QCOMPARE(PrintJobTitle(model), title);
}

void ReportTest::heading_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << ""
                           << ""
                           << "0000-0000-0000";
    QTest::newRow("12 digits") << "Офис12"
                               << "123456789ABC"
                               << "1234-5678-9ABC";
    QTest::newRow("short groups") << "Склад"
                                  << "12-5678"
                                  << "1200-5678-0000";
    QTest::newRow("lower case") << "a"
                                << "abcdef012345"
                                << "abcd-ef01-2345";
}

void ReportTest::heading()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QFETCH(QString, shown);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::oa).setText(1, name);
    model.record(Cmd::gi).setText(1, identifier);
    const RecordingCanvas canvas = draw(model);

    QVERIFY(!canvas.texts.isEmpty());
    const auto &heading = canvas.texts.first();
    QCOMPARE(heading.text, u"Конфигурация устройства:(\"" + name + u"\"/" + shown + u')');
    QCOMPARE(heading.style, FontStyle::BoldUnderline);
    // The heading's line is the page's first: its top is the origin.
    QCOMPARE(heading.x, 0);
    QCOMPARE(heading.y, L);
    const auto &keyLine = canvas.texts.at(1);
    QCOMPARE(keyLine.text, GprsKeyLabel);
    QCOMPARE(keyLine.y, 2 * L);

    // The GPRS block shows the identifier in the same form, right of its label.
    const auto label = canvas.one(QStringLiteral("Идентификатор :"));
    const auto value = canvas.one(shown);
    QCOMPARE(value.y, label.y);
    QCOMPARE(value.x, label.x + int(QStringLiteral("Параметры GPRS:").size()) * K);
    QCOMPARE(value.style, FontStyle::Bold);
}

void ReportTest::gprsKeys_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("shown");
    const QString zero = QStringLiteral("00-00-00-00-00-00-00-00");
    QTest::newRow("all empty") << QStringList{u""_s, u""_s, u""_s, u""_s}
                               << QStringList{zero, zero, zero, zero};
    QTest::newRow("short and long") << QStringList{u""_s, u"0102AB"_s, u""_s, u"00112233445566778899"_s}
                                    << QStringList{zero, u"01-02-AB-00-00-00-00-00"_s, zero,
                                                   u"00-11-22-33-44-55-66-77"_s};
}

void ReportTest::gprsKeys()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, shown);
    T_Command_DEVICE model = defaults();
    for (int key = 1; key <= 4; ++key)
        model.record(Cmd::gk, key).setText(1, stored[key - 1]);
    const RecordingCanvas canvas = draw(model);

    const QList<RecordingCanvas::Text> labels = canvas.find(GprsKeyLabel);
    QCOMPARE(labels.size(), 2); // the heading's line and the GPRS keys block
    const auto &label = labels.last();
    QVERIFY(label.x > 0);
    const int valueX = label.x + int(GprsKeyLabel.size()) * K;
    for (int key = 1; key <= 4; ++key) {
        const QList<RecordingCanvas::Text> line = canvas.onLine(label.y + (key - 1) * L, valueX, valueX + 1);
        QCOMPARE(line.size(), 1);
        QCOMPARE(line.first().text, shown[key - 1]);
    }
    // Stripes behind the first and third key, as wide as a formatted key.
    int stripes = 0;
    for (const auto &r : canvas.rects) {
        if (r.fill == SilverColor && r.x1 == valueX) {
            QCOMPARE(r.x2 - r.x1, 23 * K);
            QVERIFY(r.y2 == label.y || r.y2 == label.y + 2 * L);
            ++stripes;
        }
    }
    QCOMPARE(stripes, 2);
}

void ReportTest::balanceRow_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("shown");
    QTest::newRow("period 0 with request") << 0 << "*100#"
                                           << "Нет контроля";
    QTest::newRow("period 0 empty") << 0 << ""
                                    << "Нет контроля";
    QTest::newRow("period 24") << 24 << "*100#"
                               << "*100#(24 ч.)";
    QTest::newRow("period 48 no request") << 48 << ""
                                          << "(48 ч.)";
}

void ReportTest::balanceRow()
{
    QFETCH(int, period);
    QFETCH(QString, request);
    QFETCH(QString, shown);
    T_Command_DEVICE model = defaults();
    model.record(Cmd::ph, 2).setText(1, QStringLiteral("+79160000002"));
    model.record(Cmd::cb, 2).setValue(1, period);
    model.record(Cmd::cb, 2).setText(2, request);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, BalanceHeader, 6);
    QCOMPARE(rowTexts(canvas, table, 2), (QStringList{u"2"_s, u"+79160000002"_s, shown}));
    QCOMPARE(canvas.onLine(table.headerBottom + 2 * L, table.x + 20 * K, table.x + 20 * K + 1).size(), 1);
}

void ReportTest::smsRow_data()
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

void ReportTest::smsRow()
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

void ReportTest::relayRow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("time");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("mode 0 without time") << 0 << 90 << QStringList{u"3"_s, u"SMS-управление"_s};
    QTest::newRow("siren") << 4 << 30 << QStringList{u"3"_s, u"Сирена 1"_s, u"30 сек"_s};
    QTest::newRow("fire siren") << 9 << 120 << QStringList{u"3"_s, u"Сирена 2 -пожар"_s, u"120 сек"_s};
    QTest::newRow("lock without time") << 10 << 5 << QStringList{u"3"_s, u"ЗАМОК"_s};
}

void ReportTest::relayRow()
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

void ReportTest::loopRow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("modeText");
    QTest::newRow("delayed") << 1 << "охранный с задержк.на вход(180сек.)";
    QTest::newRow("split") << 3 << "охранный без задержки,расщепленный";
    QTest::newRow("fire with reset") << 12 << "пож.тип2(дым+тепл с контр.сбросом)";
    QTest::newRow("unused") << 7 << "";
}

void ReportTest::loopRow()
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

void ReportTest::linesBelowFrames_data()
{
    QTest::addColumn<int>("repeats");
    QTest::addColumn<QString>("repeatsText");
    QTest::addColumn<int>("panic");
    QTest::addColumn<QString>("panicText");
    QTest::newRow("repeats 0, relay off") << 0 << "Все тревоги" << 0 << "Выкл";
    QTest::newRow("repeats 3, relay on") << 3 << "3" << 1 << "Вкл";
}

void ReportTest::linesBelowFrames()
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

void ReportTest::smsByKeysRow_data()
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

void ReportTest::smsByKeysRow()
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

void ReportTest::smsByKeysFromFile()
{
    // A file's list with only key 3 reads into the first item.
    T_Command_DEVICE model;
    LoadConfigurationText(QStringLiteral("su2-3.+79001112233\r\n"), model);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, SmsByKeysHeader, 6);
    QCOMPARE(rowTexts(canvas, table, 2), (QStringList{u"2"_s, u"+79001112233"_s, u"(3,,,,)"_s}));
}

void ReportTest::stripes_data()
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

void ReportTest::stripes()
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

void ReportTest::keyBlocksShareHeaderLine()
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

void ReportTest::everythingInsidePage_data()
{
    QTest::addColumn<bool>("filled");
    QTest::newRow("defaults") << false;
    QTest::newRow("every field at its longest") << true;
}

void ReportTest::everythingInsidePage()
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

void ReportTest::footer()
{
    ReportExtent extent;
    const RecordingCanvas canvas = draw(defaults(), &extent);
    const auto date = canvas.one(u"Дата печати:" + PrintDate);
    QCOMPARE(date.x, 0);
    QCOMPARE(date.y, extent.height);
    const auto signature = canvas.one(QStringLiteral("Подпись:           /                    /"));
    QCOMPARE(signature.align, TextAlign::Right);
    QCOMPARE(signature.x, PageWidth - 150);
    QCOMPARE(signature.y, date.y);
    // The footer is the last thing on the page, three free lines below the servers.
    const Table servers = locate(canvas, ServersHeader, 6);
    QCOMPARE(date.y, servers.headerBottom + 3 * L + 4 * L);
    for (const auto &t : canvas.texts)
        QVERIFY(t.y <= date.y);
}

void ReportTest::modelIsOnlyRead()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::gi).setText(1, QStringLiteral("123456789ABC"));
    const T_Command_DEVICE before = model;
    draw(model);
    QVERIFY(SameModel(model, before));
    QCOMPARE(model.record(Cmd::gi).text(1), QStringLiteral("123456789ABC"));
}

// Loop modes 1 to 16 and relay modes 0 to 10 as printed, beside what the Loops and Relays pages show:
// a loop the page ticks as used never prints an empty cell, a delay or time is printed exactly when the
// page shows one.
void ReportTest::modeTable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("time");
    const QStringList loops = {
        u"охранный с задержк.на вход(37сек.)"_s,
        u"охранный без задержки"_s,
        u"охранный без задержки,расщепленный"_s,
        u"охранный проходной"_s,
        u"охранный проходной,расщепленный"_s,
        u"охранный КТС"_s,
        QString(), // 7: not used
        u"пож.тип1(дымовые извещатели)"_s,
        u"пож.тип2(дымовые+тепловые)"_s,
        u"пож.тип3(тепловые)"_s,
        u"пож.тип1(дым. c контр.сбросом)"_s,
        u"пож.тип2(дым+тепл с контр.сбросом)"_s,
        u"не используется"_s,
        u"ПАТРУЛЬ"_s,
        u"УПРАВЛЕНИЕ"_s,
        // Wider than its column: whole, going on on the row's next line.
        u"охранный с фиксированной задержкой 37 сек."_s,
    };
    for (int mode = 1; mode <= 16; ++mode)
        QTest::addRow("loop %d", mode) << "loop" << mode << loops[mode - 1] << QString();
    const QStringList relays = {u"SMS-управление"_s,
                                u"ПЦН-охрана"_s,
                                u"Транспарант-охрана"_s,
                                u"Лампа"_s,
                                u"Сирена 1"_s,
                                u"Сирена 2"_s,
                                u"ПЦН-пожар"_s,
                                u"Транспарант-пожар"_s,
                                u"Сирена 1 -пожар"_s,
                                u"Сирена 2 -пожар"_s,
                                u"ЗАМОК"_s};
    for (int mode = 0; mode <= 10; ++mode) {
        const bool timed = mode != 0 && mode != 10;
        QTest::addRow("relay %d", mode)
            << "relay" << mode << relays[mode] << (timed ? u"37 сек"_s : QString());
    }
}

void ReportTest::modeTable()
{
    QFETCH(QString, kind);
    QFETCH(int, mode);
    QFETCH(QString, printed);
    QFETCH(QString, time);
    constexpr int Seconds = 37;
    T_Command_DEVICE model = defaults();
    const bool loop = kind == u"loop";
    model.record(loop ? Cmd::lm : Cmd::rm, 2).setValue(1, mode);
    model.record(loop ? Cmd::lm : Cmd::rm, 2).setValue(2, Seconds);
    const RecordingCanvas canvas = draw(model);
    const Table table = locate(canvas, loop ? LoopsHeader : RelaysHeader, 6);
    const QList<RecordingCanvas::Text> cells =
        canvas.onLine(table.headerBottom + 2 * L, table.x, table.x + table.width);
    QStringList row;
    for (const auto &cell : cells)
        row.append(cellText(canvas, cell, table.x));
    QCOMPARE(row.takeFirst(), QStringLiteral("2"));
    QCOMPARE(row.value(0) == printed || (printed.isEmpty() && row.isEmpty()), true);
    const QString seconds = QString::number(Seconds);
    if (loop) {
        // The page ticks the loop exactly when the record names its mode; both show the delay or neither.
        QCOMPARE(!printed.isEmpty(), LoopModeInUse(FromStored<LoopMode>(mode)));
        QCOMPARE(printed.contains(seconds),
                 LoopModeTextOf(FromStored<LoopMode>(mode), Seconds).contains(seconds));
    } else {
        QCOMPARE(row.value(1), time);
        QCOMPARE(!time.isEmpty(), RelayModeTextOf(FromStored<RelayMode>(mode), Seconds).contains(seconds));
    }
}

void ReportTest::headerWordsClearSeparators_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("separator");
    QTest::newRow("balance") << BalanceHeader << "Контроль баланса        " << 19.5;
    QTest::newRow("loops") << LoopsHeader << "Псевдоним  " << 37.5;
}

void ReportTest::headerWordsClearSeparators()
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

void ReportTest::cellsKeepToTheirColumns_data()
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

void ReportTest::cellsKeepToTheirColumns()
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

void ReportTest::longNamesKeepToTheirBlocks()
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
void ReportTest::wrappedRowGrowsItsTable()
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
void ReportTest::everyValueWhole_data()
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

void ReportTest::everyValueWhole()
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

void ReportTest::gprsValuesAsThePageShows_data()
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

void ReportTest::gprsValuesAsThePageShows()
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

void ReportTest::wrapText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("characters");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fits") << "abcdef" << 6 << QStringList{u"abcdef"_s};
    QTest::newRow("empty") << "" << 6 << QStringList{};
    QTest::newRow("one too many") << "abcdefg" << 6 << QStringList{u"abcdef"_s, u"g"_s};
    QTest::newRow("after a blank") << "охранный с фиксированной задержкой 180 сек." << 35
                                   << QStringList{u"охранный с фиксированной задержкой "_s, u"180 сек."_s};
    QTest::newRow("blank at the end does not count")
        << "abcde fghij" << 5 << QStringList{u"abcde "_s, u"fghij"_s};
    QTest::newRow("after a separator") << "internet.mts.ru" << 13 << QStringList{u"internet.mts."_s, u"ru"_s};
    QTest::newRow("after the last character")
        << "+7916000000212345678901" << 10 << QStringList{u"+791600000"_s, u"0212345678"_s, u"901"_s};
    QTest::newRow("narrower than a character") << "abc" << 0 << QStringList{u"a"_s, u"b"_s, u"c"_s};
}

void ReportTest::wrapText()
{
    QFETCH(QString, text);
    QFETCH(int, characters);
    QFETCH(QStringList, lines);
    const RecordingCanvas canvas(K, L);
    const QStringList wrapped = WrapText(canvas, text, characters * K, FontStyle::Normal);
    QCOMPARE(wrapped, lines);
    QCOMPARE(wrapped.join(QString()), text);
}

QTEST_GUILESS_MAIN(ReportTest)
#include "tst_report.moc"
