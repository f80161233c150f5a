#include "config_text/text_utils.h"
#include "config_text/win1251_codec.h"
#include "storage/config_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace orva;

namespace {

// A stream as a pipe gives it: `size` bytes in pieces of at most 1000, or a read error when size < 0.
// Counts what it gave.
class PipeLike : public QIODevice
{
public:
    explicit PipeLike(qint64 size) : m_left(size) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 given() const { return m_given; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_left < 0)
            return -1;
        const qint64 n = qMin(qMin<qint64>(maxSize, 1000), m_left);
        std::fill_n(data, n, 'x');
        m_left -= n;
        m_given += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 m_left;
    qint64 m_given = 0;
};

} // namespace

class TestLoadPath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineBreaks_data();
    void lineBreaks();
    void codecRoundTripsEveryByte();
    void codecRefusesForeignCharacters();
    void lfFileReadsLikeCrlfFile();
    void unencodableTextNamesTheField();
    void openingKeyBecomesFileKey();
    void readErrors();
    void streamIsReadWithinItsBound_data();
    void streamIsReadWithinItsBound();
    void atomicWriteKeepsOldFileOnFailure();
};

void TestLoadPath::lineBreaks_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("lf") << QStringLiteral("a\nb\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("cr") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
    QTest::newRow("crlf kept") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lf cr is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("cr cr lf") << QStringLiteral("\r\r\n") << QStringLiteral("\r\n\r\n");
    QTest::newRow("nothing added at end") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("lone cr at end") << QStringLiteral("a\r\nb\r") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lf first") << QStringLiteral("\nb\r\n") << QStringLiteral("\r\nb\r\n");
    QTest::newRow("crlf then lf") << QStringLiteral("a\r\n\n") << QStringLiteral("a\r\n\r\n");
    QTest::newRow("crlf then cr") << QStringLiteral("a\r\n\rb") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("Cyrillic around") << QStringLiteral("Склад\r\nя\n") << QStringLiteral("Склад\r\nя\r\n");
}

// The text, its view and its Windows-1251 bytes all come out the same.
void TestLoadPath::lineBreaks()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QCOMPARE(NormalizeLineBreaks(input), output);
    QCOMPARE(NormalizeLineBreaks(QStringView(input)), output);
    QCOMPARE(ConfigurationTextFromBytes(EncodeWindows1251(input).bytes), output);
}

void TestLoadPath::codecRoundTripsEveryByte()
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = DecodeWindows1251(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0xC0), QChar(u'А'));
    QCOMPARE(text.at(0xB8), QChar(u'ё'));
    const EncodeResult back = EncodeWindows1251(text);
    QVERIFY(back.ok());
    QCOMPARE(back.bytes, all);
}

void TestLoadPath::codecRefusesForeignCharacters()
{
    const EncodeResult result = EncodeWindows1251(u"ab\u4E2Dc");
    QVERIFY(!result.ok());
    QCOMPARE(result.errorIndex, qsizetype(2));
    QCOMPARE(result.errorCodePoint, char32_t(0x4E2D));
    QVERIFY(result.bytes.isEmpty());
    const EncodeResult emoji = EncodeWindows1251(QString::fromUtf8("x\xF0\x9F\x98\x80"));
    QVERIFY(!emoji.ok());
    QCOMPARE(emoji.errorCodePoint, char32_t(0x1F600));
}

void TestLoadPath::lfFileReadsLikeCrlfFile()
{
    const QByteArray crlf = "oa-\xD1\xEA\xEB\xE0\xE4\r\nlm2-16\r\nks1-a b\r\n";
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    T_Command_DEVICE a;
    T_Command_DEVICE b;
    LoadConfigurationText(ConfigurationTextFromBytes(crlf), a);
    LoadConfigurationText(ConfigurationTextFromBytes(lf), b);
    QVERIFY(SameModel(a, b));
    QCOMPARE(a.record(Cmd::oa).text(1), QStringLiteral("Склад"));
    QCOMPARE(a.record(Cmd::lm, 2).value(2), 90);
    QCOMPARE(a.record(Cmd::ks, 1).text(1), QStringLiteral("a b"));
}

void TestLoadPath::unencodableTextNamesTheField()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.record(Cmd::ua, 3).setText(1, QStringLiteral("Дверь\u4E2D"));
    const ConfigurationBytes encoded = EncodeConfiguration(model);
    QVERIFY(!encoded.ok());
    QVERIFY(encoded.bytes.isEmpty());
    QCOMPARE(encoded.error, QStringLiteral("ua3 parameter 1: character U+4E2D has no Windows-1251 form"));

    model.record(Cmd::ua, 3).setText(1, QStringLiteral("Дверь"));
    const ConfigurationBytes fine = EncodeConfiguration(model);
    QVERIFY(fine.ok());
    QVERIFY(fine.bytes.contains("ua03-\xC4\xE2\xE5\xF0\xFC"));
    QVERIFY(fine.bytes.endsWith("ct2-10                                       \r\n"));
}

void TestLoadPath::openingKeyBecomesFileKey()
{
    T_Command_DEVICE model;
    LoadConfigurationText(QStringLiteral("oa-x\r\n"), model, QStringLiteral("secret"));
    QCOMPARE(model.record(Cmd::ks, 1).text(1), QStringLiteral("secret"));
    QCOMPARE(model.record(Cmd::ks, 2).text(1), QStringLiteral("secret"));
    // A file with its own key keeps it, the old key included.
    LoadConfigurationText(QStringLiteral("ks1-own\r\nks2-older\r\n"), model, QStringLiteral("secret"));
    QCOMPARE(model.record(Cmd::ks, 1).text(1), QStringLiteral("own"));
    QCOMPARE(model.record(Cmd::ks, 2).text(1), QStringLiteral("older"));
    LoadConfigurationText(QStringLiteral("oa-x\r\n"), model);
    QCOMPARE(model.record(Cmd::ks, 1).text(1), QString());
}

void TestLoadPath::readErrors()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const FileReadResult missing = ReadFileBytes(dir.filePath(QStringLiteral("none.ini")));
    QVERIFY(!missing.ok);
    QVERIFY(!missing.error.isEmpty());
    const FileReadResult folder = ReadFileBytes(dir.path());
    QVERIFY(!folder.ok);
    QVERIFY(!folder.error.isEmpty());

    const QString path = dir.filePath(QStringLiteral("a.ini"));
    QVERIFY(WriteFileAtomically(path, "0123456789").ok);
    const FileReadResult limited = ReadFileBytes(path, 4);
    QVERIFY(limited.ok);
    QCOMPARE(limited.bytes, QByteArray("0123"));
}

void TestLoadPath::streamIsReadWithinItsBound_data()
{
    QTest::addColumn<qint64>("size"); // -1: the stream fails
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("ok");
    QTest::newRow("empty") << qint64(0) << qint64(5000) << true;
    QTest::newRow("in pieces, under the bound") << qint64(4321) << qint64(5000) << true;
    QTest::newRow("exactly the bound") << qint64(5000) << qint64(5000) << true;
    QTest::newRow("one byte more") << qint64(5001) << qint64(5000) << false;
    QTest::newRow("far more") << qint64(50) * 1024 * 1024 << qint64(5000) << false;
    QTest::newRow("read error") << qint64(-1) << qint64(5000) << false;
    QTest::newRow("a configuration of 50 MB, the usual bound")
        << qint64(50) * 1000 * 1000 << StreamReadLimit << true;
}

// A stream is read to its end, or refused once it passes the bound without being read further.
void TestLoadPath::streamIsReadWithinItsBound()
{
    QFETCH(qint64, size);
    QFETCH(qint64, limit);
    QFETCH(bool, ok);
    PipeLike stream(size);
    const FileReadResult read = ReadStreamBytes(stream, limit);
    QCOMPARE(read.ok, ok);
    QCOMPARE(read.error.isEmpty(), ok);
    QCOMPARE(read.bytes, ok ? QByteArray(size, 'x') : QByteArray());
    QVERIFY(stream.given() <= limit + 1);
}

void TestLoadPath::atomicWriteKeepsOldFileOnFailure()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteFileAtomically(path, "old").ok);
    // A folder in the way of the temporary file's target cannot be replaced.
    const FileWriteResult bad = WriteFileAtomically(dir.path(), "new");
    QVERIFY(!bad.ok);
    QVERIFY(!bad.error.isEmpty());
    QCOMPARE(ReadFileBytes(path).bytes, QByteArray("old"));
    QVERIFY(WriteFileAtomically(path, "new").ok);
    QCOMPARE(ReadFileBytes(path).bytes, QByteArray("new"));
}

QTEST_APPLESS_MAIN(TestLoadPath)
#include "tst_load_path.moc"
