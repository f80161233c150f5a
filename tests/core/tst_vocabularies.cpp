#include "device_model/mode_rows.h"
#include "device_model/page_choices.h"
#include "device_model/vocabularies.h"

#include <QSet>
#include <QTest>

using namespace orva;

class TestVocabularies : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loopModes_data();
    void loopModes();
    void relayModes_data();
    void relayModes();
    void everyStoredModeHasOneRow();
    void keyTypes_data();
    void keyTypes();
    void keyAliasOfType_data();
    void keyAliasOfType();
    void picturePath();
};

void TestVocabularies::loopModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picture");
    QTest::newRow("1") << 1 << 90 << QStringLiteral("охранный с задержкой 90 сек.")
                       << QStringLiteral("Image\\GuardDelay.jpg");
    QTest::newRow("16") << 16 << 30 << QStringLiteral("охранный с фиксированной задержкой 30 сек.")
                        << QStringLiteral("Image\\GuardFixed.jpg");
    QTest::newRow("3") << 3 << 90 << QStringLiteral("охранный без задержки,расщепленный")
                       << QStringLiteral("Image\\GuardDrop.jpg");
    // The list names mode 8 with its button's word, not the list's old "ожарный".
    QTest::newRow("8 as its button") << 8 << 90 << QStringLiteral("пожарный тип 1 (дымовые извещатели)")
                                     << QStringLiteral("Image\\Fire1.jpg");
    QTest::newRow("12") << 12 << 90 << QStringLiteral("пожарный тип 2 (с контрольным сбросом)")
                        << QStringLiteral("Image\\Fire5.jpg");
    QTest::newRow("15") << 15 << 90 << QStringLiteral("УПРАВЛЕНИЕ") << QStringLiteral("Image\\Rule.jpg");
    QTest::newRow("7") << 7 << 90 << QStringLiteral("не используется")
                       << QStringLiteral("Image\\NoGuard.jpg");
    QTest::newRow("13") << 13 << 90 << QStringLiteral("не используется")
                        << QStringLiteral("Image\\NoGuard.jpg");
    QTest::newRow("0") << 0 << 90 << QStringLiteral("не используется")
                       << QStringLiteral("Image\\NoGuard.jpg");
}

void TestVocabularies::loopModes()
{
    QFETCH(int, mode);
    QFETCH(int, delay);
    QFETCH(QString, text);
    QFETCH(QString, picture);
    T_Command_DEVICE model;
    model.record(Cmd::lm, 2).setValue(1, mode);
    model.record(Cmd::lm, 2).setValue(2, delay);
    QCOMPARE(LoopModeText(model, 2), text);
    QCOMPARE(LoopPicture(model, 2), picture);
    QCOMPARE(LoopPicture(model, 0), QStringLiteral("Image\\NoGuard.jpg"));
}

void TestVocabularies::relayModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picture");
    QTest::newRow("0") << 0 << QStringLiteral("управление SMS") << QStringLiteral("Image\\SMS.jpg");
    QTest::newRow("1") << 1 << QStringLiteral("ПЦН (охрана) 90 сек.")
                       << QStringLiteral("Image\\PCNGuard.jpg");
    QTest::newRow("4") << 4 << QStringLiteral("СИРЕНА-1 (охрана) 90 сек.")
                       << QStringLiteral("Image\\Sirena1.jpg");
    QTest::newRow("5") << 5 << QStringLiteral("СИРЕНА-2 (охрана) 90 сек.")
                       << QStringLiteral("Image\\Sirena2.jpg");
    QTest::newRow("8") << 8 << QStringLiteral("СИРЕНА-1 (пожар) 90 сек.")
                       << QStringLiteral("Image\\Sirena1Fire.jpg");
    QTest::newRow("9") << 9 << QStringLiteral("СИРЕНА-2 (пожар) 90 сек.")
                       << QStringLiteral("Image\\Sirena2Fire.jpg");
    QTest::newRow("10") << 10 << QStringLiteral("ЗАМОК") << QStringLiteral("Image\\Locker.jpg");
    QTest::newRow("255") << 255 << QString() << QString();
    QTest::newRow("other") << 42 << QStringLiteral(" 90 сек.") << QString();
}

void TestVocabularies::relayModes()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, picture);
    T_Command_DEVICE model;
    model.record(Cmd::rm, 3).setValue(1, mode);
    model.record(Cmd::rm, 3).setValue(2, 90);
    QCOMPARE(RelayModeText(model, 3), text);
    QCOMPARE(RelayPicture(model, 3), picture);
    QCOMPARE(RelayPicture(model, 0), QString());
}

// Every number the command table lets a loop or relay store has a row, but None and the unnamed 13, and
// no row names a number the table refuses. The captions differ, so that a mode given by its caption
// (orva-config set) is one mode.
void TestVocabularies::everyStoredModeHasOneRow()
{
    qsizetype loopsFound = 0;
    for (qint32 stored = 0; stored <= MaxOf(Loop::Mode); ++stored) {
        const bool named = stored != ToStored(LoopMode::None) && stored != 13;
        const LoopModeRow *row = LoopModeRowOf(FromStored<LoopMode>(stored));
        QVERIFY2((row != nullptr) == named, qPrintable(QString::number(stored)));
        loopsFound += row != nullptr;
    }
    QCOMPARE(loopsFound, qsizetype(LoopModeRows().size()));

    qsizetype relaysFound = 0;
    for (qint32 stored = 0; stored <= MaxOf(Relay::Mode); ++stored) {
        QVERIFY2(RelayModeRowOf(FromStored<RelayMode>(stored)), qPrintable(QString::number(stored)));
        ++relaysFound;
    }
    QCOMPARE(relaysFound, qsizetype(RelayModeRows().size()));

    for (const auto choices : {PageChoices::LoopModes(), PageChoices::RelayModes()}) {
        QSet<QStringView> captions;
        for (const ChoiceText &choice : choices)
            captions.insert(choice.text);
        QCOMPARE(captions.size(), qsizetype(choices.size()));
    }
}

void TestVocabularies::keyTypes_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("display");
    QTest::newRow("duress") << QStringLiteral("!Boss") << 1 << QStringLiteral("Boss")
                            << QStringLiteral("Boss (принуждение)");
    QTest::newRow("patrol cut to 9") << QStringLiteral("*ABCDEFGHIJ") << 2 << QStringLiteral("ABCDEFGHI")
                                     << QStringLiteral("ABCDEFGHI (патруль)");
    QTest::newRow("plain") << QStringLiteral("Gate") << 0 << QStringLiteral("Gate") << QStringLiteral("Gate");
    QTest::newRow("plain long kept") << QStringLiteral("ABCDEFGHIJKL") << 0 << QStringLiteral("ABCDEFGHIJKL")
                                     << QStringLiteral("ABCDEFGHIJKL");
    QTest::newRow("empty") << QString() << 0 << QString() << QString();
    QTest::newRow("mark only") << QStringLiteral("!") << 1 << QString() << QStringLiteral(" (принуждение)");
}

void TestVocabularies::keyTypes()
{
    QFETCH(QString, alias);
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, display);
    T_Command_DEVICE model;
    model.record(Cmd::ua, 7).setText(1, alias);
    QCOMPARE(KeyType(model, 7), type);
    QCOMPARE(KeyName(model, 7), name);
    QCOMPARE(KeyDisplayName(model, 7), display);
}

void TestVocabularies::keyAliasOfType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << 0 << QStringLiteral("Gate") << QStringLiteral("Gate");
    QTest::newRow("plain, duress mark at the start") << 0 << QStringLiteral("!ABC") << QStringLiteral("ABC");
    QTest::newRow("plain, marks at the start") << 0 << QStringLiteral("*!*AB!C") << QStringLiteral("AB!C");
    QTest::newRow("plain, only marks") << 0 << QStringLiteral("!*") << QString();
    QTest::newRow("duress keeps a marked alias") << 1 << QStringLiteral("!ABC") << QStringLiteral("!!ABC");
    QTest::newRow("patrol") << 2 << QStringLiteral("ABC") << QStringLiteral("*ABC");
    QTest::newRow("patrol, empty alias") << 2 << QString() << QStringLiteral("*");
}

// The stored text reads back as the type it was stored for.
void TestVocabularies::keyAliasOfType()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QCOMPARE(KeyAliasOfType(type, name), stored);
    QCOMPARE(KeyTypeOfAlias(stored), type);
}

void TestVocabularies::picturePath()
{
    QCOMPARE(PicturePath(QStringLiteral("/opt/orva"), QStringLiteral("Image\\Fire1.jpg")),
             QStringLiteral("/opt/orva/Image/Fire1.jpg"));
    QCOMPARE(PicturePath(QStringLiteral("/opt/orva/"), QStringLiteral("Image\\Fire1.jpg")),
             QStringLiteral("/opt/orva/Image/Fire1.jpg"));
}

QTEST_APPLESS_MAIN(TestVocabularies)
#include "tst_vocabularies.moc"
