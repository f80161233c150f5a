// Saving a model with a character that the file cannot hold names the field instead of writing it.
#include "storage/config_file.h"

#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;

class ConfigFileEncodingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodingNamesTheField_data();
    void encodingNamesTheField();
};

// A character without a Windows-1251 form in the first line, in the middle, in the last line with a
// text and outside the Basic Multilingual Plane.
void ConfigFileEncodingTest::encodingNamesTheField_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("instance");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("first line") << int(Cmd::Zentrix) << 0 << 1 << u"Config \u4E2D"_s
                                << u"Zentrix parameter 1: character U+4E2D has no Windows-1251 form"_s;
    QTest::newRow("key alias") << int(Cmd::ua) << 3 << 1 << u"Gate\u4E2D"_s
                               << u"ua3 parameter 1: character U+4E2D has no Windows-1251 form"_s;
    QTest::newRow("last text") << int(Cmd::cb) << 2 << 2 << u"*100#\u4E2D"_s
                               << u"cb2 parameter 2: character U+4E2D has no Windows-1251 form"_s;
    QTest::newRow("outside the BMP") << int(Cmd::sn) << 9 << 2 << u"+7\U0001F600"_s
                                     << u"sn9 parameter 2: character U+1F600 has no Windows-1251 form"_s;
}

void ConfigFileEncodingTest::encodingNamesTheField()
{
    QFETCH(int, code);
    QFETCH(int, instance);
    QFETCH(int, parameter);
    QFETCH(QString, text);
    QFETCH(QString, error);
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.record(quint8(code), instance).setText(parameter, text);
    QCOMPARE(FindUnencodableText(model), error);
    const ConfigurationBytes encoded = EncodeConfiguration(model);
    QVERIFY(!encoded.ok());
    QVERIFY(encoded.bytes.isEmpty());
    QCOMPARE(encoded.error, FindUnencodableText(model));

    model.record(quint8(code), instance).setText(parameter, u"Дверь"_s);
    QVERIFY(FindUnencodableText(model).isEmpty());
    QVERIFY(EncodeConfiguration(model).ok());
}

QTEST_GUILESS_MAIN(ConfigFileEncodingTest)
#include "tst_config_file_encoding.moc"
