// Round-trip properties over random device models: what the writer writes, the reader reads back to
// the model the format promises, and a saved configuration saved again is the same file.
#include "config_text/writer.h"
#include "device_model/digit_groups.h"
#include "device_model/store_form.h"
#include "storage/config_file.h"

#include <QRandomGenerator>
#include <QTest>

using namespace orva;

namespace {

constexpr int Models = 300;

// Characters a one-word text parameter can carry through the file unchanged.
const QString WordAlphabet = QStringLiteral("abcXYZ019+*!#_,-АбвЖяЁё");

QString randomWord(QRandomGenerator &random, int maxLength)
{
    const int length = random.bounded(0, maxLength + 1);
    QString word;
    for (int i = 0; i < length; ++i)
        word += WordAlphabet.at(random.bounded(int(WordAlphabet.size())));
    return word;
}

// A rest-of-line text: words joined by single blanks, no points.
QString randomText(QRandomGenerator &random)
{
    QStringList words;
    for (int i = random.bounded(0, 4); i > 0; --i) {
        const QString word = randomWord(random, 6);
        if (!word.isEmpty())
            words << word;
    }
    return words.join(u' ');
}

qint32 randomValue(QRandomGenerator &random, qint32 min, qint32 max)
{
    // Mostly inside the range, sometimes just outside it, sometimes far outside (five digits at most).
    switch (random.bounded(6)) {
    case 0:
        return qMax(0, min - random.bounded(1, 4));
    case 1:
        return qMin(99999, max + random.bounded(1, 4));
    case 2:
        return random.bounded(0, 100000);
    default:
        return random.bounded(min, max + 1);
    }
}

T_Command_DEVICE randomModel(QRandomGenerator &random)
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        for (int n = row.firstInstance; n <= row.lastInstance; ++n) {
            T_Command &r = model.record(code, n);
            if (row.kind1 == ParamKind::Integer)
                r.setValue(1, randomValue(random, row.min1, row.max1));
            if (row.kind2 == ParamKind::Integer)
                r.setValue(2, randomValue(random, row.min2, row.max2));
            if (row.kind1 == ParamKind::String)
                r.setText(1, randomWord(random, 12));
            if (row.kind1 == ParamKind::Text && code != Cmd::Zentrix)
                r.setText(1, randomText(random));
            if (row.kind2 == ParamKind::String)
                r.setText(2, random.bounded(3) == 0 ? QString() : randomWord(random, 14));
            if (row.kind1 == ParamKind::List) {
                for (int i = 1; i <= T_Command::ItemCount; ++i)
                    r.setItem(i, random.bounded(2) ? random.bounded(0, row.max1 + 1) : 0);
            }
        }
    }
    model.record(Cmd::Zentrix).setText(1, QStringLiteral("Config Orva soft"));
    model.record(Cmd::fe).setText(1, QString());
    for (int server = 1; server <= 6; ++server) {
        const QString address = QStringLiteral("%1,%2,%3,%4")
                                    .arg(random.bounded(1000))
                                    .arg(random.bounded(1000))
                                    .arg(random.bounded(1000))
                                    .arg(random.bounded(1000));
        model.record(Cmd::gs, server).setText(1, StoredServerAddress(address));
    }
    return model;
}

// What the format promises to read back from the written model.
T_Command_DEVICE expectedAfterReading(const T_Command_DEVICE &written)
{
    T_Command_DEVICE expected = written;
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        for (int n = row.firstInstance; n <= row.lastInstance; ++n) {
            T_Command &r = expected.record(code, n);
            // Phone entries without a number are written without their mode; a balance period only
            // with its request code.
            if (row.kind1 == ParamKind::Integer && row.kind2 == ParamKind::String && r.text(2).isEmpty())
                r.setValue(1, 0);
            if (row.kind1 == ParamKind::Integer && (r.value(1) < row.min1 || r.value(1) > row.max1))
                r.setValue(1, row.default1);
            // An out-of-range parameter 2 is not written: it reads back as 0, or the default where 0 is
            // out of range too.
            if (row.kind2 == ParamKind::Integer && (r.value(2) < row.min2 || r.value(2) > row.max2))
                r.setValue(2, row.min2 <= 0 ? 0 : row.default2);
            if (row.kind1 == ParamKind::List) { // the empty items are not written
                QList<qint32> items;
                for (int i = 1; i <= T_Command::ItemCount; ++i) {
                    if (r.item(i) != 0)
                        items << r.item(i);
                }
                for (int i = 1; i <= T_Command::ItemCount; ++i)
                    r.setItem(i, i <= items.size() ? items[i - 1] : 0);
            }
        }
    }
    for (int phone = 1; phone <= 9; ++phone) {
        T_Command &dial = expected.record(Cmd::dn, phone);
        if (dial.value(1) == 0)
            dial.setText(2, QString());
    }
    for (int key = 1; key <= 15; ++key) {
        T_Command &r = expected.record(Cmd::ua, key);
        if (!r.text(2).isEmpty())
            r.setText(2, QStringLiteral("************"));
    }
    for (int server = 1; server <= 6; ++server) {
        T_Command &r = expected.record(Cmd::gs, server);
        r.setText(1, ReplaceChar(r.text(1), u',', u'.'));
    }
    return expected;
}

QString differences(const T_Command_DEVICE &a, const T_Command_DEVICE &b)
{
    QStringList lines;
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        for (qsizetype i = 0; i < a.records(code).size(); ++i) {
            const T_Command &x = a.records(code)[i];
            const T_Command &y = b.records(code)[i];
            T_Command yc = y;
            yc.setCount(x.count());
            if (!SameRecord(x, yc))
                lines << QStringLiteral("%1%2: %3/%4 '%5'/'%6' vs %7/%8 '%9'/'%10'")
                             .arg(CommandRowOf(code).code.toString())
                             .arg(x.number())
                             .arg(x.value(1))
                             .arg(x.value(2))
                             .arg(x.text(1), x.text(2))
                             .arg(y.value(1))
                             .arg(y.value(2))
                             .arg(y.text(1), y.text(2));
        }
    }
    return lines.join(u'\n');
}

QByteArray saved(const T_Command_DEVICE &model)
{
    return EncodeConfiguration(model).bytes;
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writtenModelReadsBack();
    void savingASavedFileChangesNothing();
};

void TestRoundTrip::writtenModelReadsBack()
{
    QRandomGenerator random(20261210);
    for (int i = 0; i < Models; ++i) {
        const T_Command_DEVICE model = randomModel(random);
        const ConfigurationBytes bytes = EncodeConfiguration(model);
        QVERIFY(bytes.ok());
        T_Command_DEVICE back;
        LoadConfigurationText(ConfigurationTextFromBytes(bytes.bytes), back);
        const QString diff = differences(expectedAfterReading(model), back);
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("model %1:\n").arg(i) + diff));
    }
}

// A configuration file opened and saved by the editor, opened and saved again, is the same file.
void TestRoundTrip::savingASavedFileChangesNothing()
{
    QRandomGenerator random(7);
    for (int i = 0; i < Models; ++i) {
        T_Command_DEVICE model;
        LoadConfigurationText(ConfigurationTextFromBytes(saved(randomModel(random))), model);
        ApplyStoreForm(model);
        const QByteArray once = saved(model);
        T_Command_DEVICE reopened;
        LoadConfigurationText(ConfigurationTextFromBytes(once), reopened);
        ApplyStoreForm(reopened);
        const QList<QByteArray> first = once.split('\n');
        const QList<QByteArray> second = saved(reopened).split('\n');
        QCOMPARE(second.size(), first.size());
        for (qsizetype line = 0; line < first.size(); ++line)
            QCOMPARE(second[line], first[line]);
    }
}

QTEST_APPLESS_MAIN(TestRoundTrip)
#include "tst_round_trip.moc"
