// One model reused for many loads, as the editor reuses its one model for every file of a run: each
// file must be saved exactly as a new model would save it, whatever the files before it left behind.

#include "../support/config_corpus.h"
#include "device_model/store_form.h"
#include "storage/config_file.h"

#include <QRandomGenerator>
#include <QTest>

using namespace orva;

namespace {

// What "Сохранить" writes for `text` loaded into `model`.
QByteArray savedWith(T_Command_DEVICE &model, const QString &text)
{
    LoadConfigurationText(text, model);
    ApplyStoreForm(model);
    return EncodeConfiguration(model).bytes;
}

QByteArray savedFresh(const QString &text)
{
    T_Command_DEVICE model;
    return savedWith(model, text);
}

QList<QPair<QString, QString>> corpus()
{
    QList<QPair<QString, QString>> texts;
    for (const auto &[name, bytes] :
         orva::test::FixtureConfigurations() + orva::test::VariedConfigurations(60))
        texts.append({name, ConfigurationTextFromBytes(bytes)});
    return texts;
}

} // namespace

class TestModelReuse : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondFileKeepsEveryDialPhone();
    void sequenceSavesAsFresh_data();
    void sequenceSavesAsFresh();
    void resetEqualsNewModel();
};

void TestModelReuse::secondFileKeepsEveryDialPhone()
{
    T_Command_DEVICE model;
    savedWith(model, QStringLiteral("ks1-K\r\ndn4-2.+79001234567\r\n"));
    const QString second = QStringLiteral("ks1-K\r\ndn1-1.+79110000001\r\ndn2-1.+79220000002\r\n");
    const QByteArray saved = savedWith(model, second);
    QCOMPARE(saved, savedFresh(second));
    QCOMPARE(saved.count("\r\ndn2-"), 1);
    QCOMPARE(saved.count("\r\ndn4-"), 1);
    QVERIFY(saved.contains("dn2-1.+79220000002"));
}

void TestModelReuse::sequenceSavesAsFresh_data()
{
    QTest::addColumn<quint32>("order");
    QTest::newRow("as listed") << 0u;
    QTest::newRow("reversed") << 1u;
    QTest::newRow("shuffled, twice over") << 2u;
}

void TestModelReuse::sequenceSavesAsFresh()
{
    QFETCH(quint32, order);
    QList<QPair<QString, QString>> texts = corpus();
    if (order == 1)
        std::reverse(texts.begin(), texts.end());
    if (order == 2) {
        texts += texts;
        std::shuffle(texts.begin(), texts.end(), QRandomGenerator(7));
    }
    T_Command_DEVICE model;
    for (const auto &[name, text] : texts) {
        const QByteArray saved = savedWith(model, text);
        if (saved != savedFresh(text))
            QFAIL(qPrintable(QStringLiteral("%1 saved differently after the files before it").arg(name)));
    }
}

void TestModelReuse::resetEqualsNewModel()
{
    T_Command_DEVICE used;
    for (const auto &[name, text] : corpus())
        savedWith(used, text);
    used.ResetToDefaults();
    T_Command_DEVICE fresh;
    fresh.ResetToDefaults();
    QVERIFY(SameModel(used, fresh));
}

QTEST_APPLESS_MAIN(TestModelReuse)
#include "tst_model_reuse.moc"
