// The record's heading, GPRS key, balance block and footer.
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

class ReportSummaryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void heading_data();
    void heading();
    void gprsKeys_data();
    void gprsKeys();
    void balanceRow_data();
    void balanceRow();
    void footer();
};

void ReportSummaryTest::heading_data()
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

void ReportSummaryTest::heading()
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

void ReportSummaryTest::gprsKeys_data()
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

void ReportSummaryTest::gprsKeys()
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

void ReportSummaryTest::balanceRow_data()
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

void ReportSummaryTest::balanceRow()
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

void ReportSummaryTest::footer()
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

QTEST_GUILESS_MAIN(ReportSummaryTest)
#include "tst_report_summary.moc"
