// The record's metrics, its own mode texts, the print identifier and the text wrapping.
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

class ReportTextsTest : public QObject
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
    void modeTable_data();
    void modeTable();
    void wrapText_data();
    void wrapText();
};

void ReportTextsTest::roundHalfEven_data()
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

void ReportTextsTest::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void ReportTextsTest::halfLineRoundsToEven_data()
{
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("half");
    QTest::newRow("43") << 43 << 22;
    QTest::newRow("45") << 45 << 22;
    QTest::newRow("44") << 44 << 22;
    QTest::newRow("41") << 41 << 20;
    QTest::newRow("47") << 47 << 24;
}

void ReportTextsTest::halfLineRoundsToEven()
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

void ReportTextsTest::modeTexts_data()
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

void ReportTextsTest::modeTexts()
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

void ReportTextsTest::normalizeIdentifier_data()
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

void ReportTextsTest::normalizeIdentifier()
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

void ReportTextsTest::jobTitle_data()
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

void ReportTextsTest::jobTitle()
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

// Loop modes 1 to 16 and relay modes 0 to 10 as printed, beside what the Loops and Relays pages show:
// a loop the page ticks as used never prints an empty cell, a delay or time is printed exactly when the
// page shows one.
void ReportTextsTest::modeTable_data()
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

void ReportTextsTest::modeTable()
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

void ReportTextsTest::wrapText_data()
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

void ReportTextsTest::wrapText()
{
    QFETCH(QString, text);
    QFETCH(int, characters);
    QFETCH(QStringList, lines);
    const RecordingCanvas canvas(K, L);
    const QStringList wrapped = WrapText(canvas, text, characters * K, FontStyle::Normal);
    QCOMPARE(wrapped, lines);
    QCOMPARE(wrapped.join(QString()), text);
}

QTEST_GUILESS_MAIN(ReportTextsTest)
#include "tst_report_texts.moc"
