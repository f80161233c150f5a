// Saving a model with a character that the file cannot hold names the field instead of writing it.
#include "storage/config_file.h"

#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;

class ConfigFileEncodingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodingNamesTheField();
};

void ConfigFileEncodingTest::encodingNamesTheField()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.record(Cmd::ua, 3).setText(1, u"Gate\u4E2D"_s);
    QCOMPARE(FindUnencodableText(model), u"ua3 parameter 1: character U+4E2D has no Windows-1251 form"_s);
    const ConfigurationBytes encoded = EncodeConfiguration(model);
    QVERIFY(!encoded.ok());
    QVERIFY(encoded.bytes.isEmpty());
    QCOMPARE(encoded.error, FindUnencodableText(model));

    model.record(Cmd::ua, 3).setText(1, u"Дверь"_s);
    QVERIFY(FindUnencodableText(model).isEmpty());
    QVERIFY(EncodeConfiguration(model).ok());
}

QTEST_GUILESS_MAIN(ConfigFileEncodingTest)
#include "config_file_encoding_test.moc"
