#include "../support/cli_runner.h"
#include "cli_app.h"
#include "container_encoder.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

namespace {

const QByteArray Text =
    QByteArrayLiteral("Zentrix-2.9.2.1\r\noa-\xCE\xE1\xFA\xE5\xEA\xF2\x35\r\nla1-1\r\nlm1-2.30\r\n");

using orva::test::CliRun;
using orva::test::runCli;

} // namespace

class TestContainerCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void writeFile(const char *name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        test::ContainerParts parts;
        parts.text = Text;
        parts.keyBytes = test::RepeatKeyBytes("secret");
        parts.deviceName = "Object 5";
        parts.identifier = "0000000000A5";
        parts.filler = 9;
        const QByteArray container = test::EncodeContainer(parts);
        writeFile("config.cry", container);
        writeFile("renamed.ini", container);
        writeFile("short.cry", container.first(container.size() - 3));
        // The signature line, CR LF and the two header fields: the body is missing.
        writeFile("header.cry", container.first(test::ContainerSignatureLine.size() + 2 + 22));
        writeFile("short.ini", container.first(container.size() - 13));
        writeFile("plain.ini", Text);
        writeFile("fake.cry", Text);
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");

        const QString cry = path("config.cry");
        const QString key = QStringLiteral("--key");
        const QString keyStdin = QStringLiteral("--key-stdin");
        const QString decrypt = QStringLiteral("decrypt");
        QTest::newRow("key") << QStringList{decrypt, cry, key, QStringLiteral("secret")} << QByteArray() << 0
                             << Text << QString();
        QTest::newRow("key=") << QStringList{decrypt, QStringLiteral("--key=secret"), cry} << QByteArray()
                              << 0 << Text << QString();
        QTest::newRow("key on standard input")
            << QStringList{decrypt, cry, keyStdin} << QByteArray("secret\n") << 0 << Text << QString();
        QTest::newRow("key with blanks and CR LF on standard input")
            << QStringList{decrypt, cry, keyStdin} << QByteArray("  secret \r\nnext line\n") << 0 << Text
            << QString();
        QTest::newRow("key written twice") << QStringList{decrypt, cry, key, QStringLiteral("secretsecret")}
                                           << QByteArray() << 0 << Text << QString();
        QTest::newRow("content decides, not the name")
            << QStringList{decrypt, path("renamed.ini"), key, QStringLiteral("secret")} << QByteArray() << 0
            << Text << QString();

        QTest::newRow("no key") << QStringList{decrypt, cry} << QByteArray() << 2 << QByteArray()
                                << QStringLiteral("--key-stdin");
        QTest::newRow("both keys") << QStringList{decrypt, cry, key, QStringLiteral("secret"), keyStdin}
                                   << QByteArray("secret\n") << 2 << QByteArray()
                                   << QStringLiteral("not both");
        QTest::newRow("no file") << QStringList{decrypt, key, QStringLiteral("secret")} << QByteArray() << 2
                                 << QByteArray() << QStringLiteral("exactly one FILE");
        QTest::newRow("missing file")
            << QStringList{decrypt, path("missing.cry"), key, QStringLiteral("secret")} << QByteArray() << 7
            << QByteArray() << QStringLiteral("cannot read");
        QTest::newRow("plain file: signature")
            << QStringList{decrypt, path("plain.ini"), key, QStringLiteral("secret")} << QByteArray() << 3
            << QByteArray()
            << QStringLiteral(
                   "Ошибка контрольной сигнатуры файла конфигурации - файл не относится к \"Zentrix\" "
                   "ППКОП Orva\nПроверьте источник файла\n");
        QTest::newRow("cut file: size")
            << QStringList{decrypt, path("short.cry"), key, QStringLiteral("secret")} << QByteArray() << 4
            << QByteArray()
            << QStringLiteral("Ошибка размера файла конфигурации - файл не верный \n"
                              "Проверьте источник файла\n");
        // No key opens a container whose body is cut: that is said without asking for one.
        const QString sizeMessage = QStringLiteral("Ошибка размера файла конфигурации - файл не верный \n"
                                                   "Проверьте источник файла\n");
        QTest::newRow("cut file without a key: size")
            << QStringList{decrypt, path("short.cry")} << QByteArray() << 4 << QByteArray() << sizeMessage;
        QTest::newRow("show a cut file without a key: size")
            << QStringList{QStringLiteral("show"), path("short.cry")} << QByteArray() << 4 << QByteArray()
            << sizeMessage;
        QTest::newRow("check a cut container named .ini without a key: size")
            << QStringList{QStringLiteral("check"), path("short.ini")} << QByteArray() << 4 << QByteArray()
            << sizeMessage;
        QTest::newRow("show a header without a body: size")
            << QStringList{QStringLiteral("show"), path("header.cry")} << QByteArray() << 4 << QByteArray()
            << sizeMessage;
        QTest::newRow("diff with a cut container: size")
            << QStringList{QStringLiteral("diff"), path("plain.ini"), path("short.cry")} << QByteArray() << 4
            << QByteArray() << sizeMessage;
        QTest::newRow("empty key") << QStringList{decrypt, cry, key, QString()} << QByteArray() << 5
                                   << QByteArray() << QStringLiteral("the key is empty");
        QTest::newRow("empty standard input") << QStringList{decrypt, cry, keyStdin} << QByteArray() << 5
                                              << QByteArray() << QStringLiteral("the key is empty");
        QTest::newRow("wrong key") << QStringList{decrypt, cry, key, QStringLiteral("Secret")} << QByteArray()
                                   << 6 << QByteArray()
                                   << QStringLiteral("the key is wrong or the file is damaged");

        const QString normalize = QStringLiteral("normalize");
        QTest::newRow("normalize without a key")
            << QStringList{normalize, cry} << QByteArray() << 2 << QByteArray()
            << QStringLiteral("is an encrypted container");
        QTest::newRow("normalize .cry name with plain content")
            << QStringList{normalize, path("fake.cry"), key, QStringLiteral("secret")} << QByteArray() << 3
            << QByteArray() << QStringLiteral("Проверьте источник файла");
        QTest::newRow("normalize with a wrong key")
            << QStringList{normalize, path("renamed.ini"), keyStdin} << QByteArray("other\n") << 6
            << QByteArray() << QStringLiteral("the key is wrong");
    }

    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        const CliRun result = runCli(arguments, input);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, out);
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        QCOMPARE(result.err.isEmpty(), exitCode == 0);
    }

    // A container normalises exactly like a plain file that holds its text; a plain file needs no key
    // and ignores one.
    void normalizeContainer()
    {
        const CliRun plain = runCli({QStringLiteral("normalize"), path("plain.ini")});
        QCOMPARE(plain.exitCode, 0);
        QVERIFY(plain.out.contains("oa-\xCE\xE1\xFA\xE5\xEA\xF2\x35 "));
        QVERIFY(plain.out.contains("lm1-2.30 "));
        const QStringList containers{path("config.cry"), path("renamed.ini")};
        for (const QString &container : containers) {
            const CliRun decoded =
                runCli({QStringLiteral("normalize"), container, QStringLiteral("--key-stdin")}, "secret\n");
            QCOMPARE(decoded.exitCode, 0);
            QCOMPARE(decoded.out, plain.out);
        }
        const CliRun ignored = runCli(
            {QStringLiteral("normalize"), path("plain.ini"), QStringLiteral("--key"), QStringLiteral("x")});
        QCOMPARE(ignored.exitCode, 0);
        QCOMPARE(ignored.out, plain.out);
    }

    void decryptToFile()
    {
        const QString target = path("decrypted.ini");
        const CliRun result = runCli({QStringLiteral("decrypt"), path("config.cry"), QStringLiteral("--key"),
                                      QStringLiteral("secret"), QStringLiteral("-o"), target});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.isEmpty());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), Text);
    }

    void helpListsExitCodes()
    {
        for (const QString &command : {QStringLiteral("decrypt"), QStringLiteral("normalize")}) {
            const CliRun help = runCli({command, QStringLiteral("--help")});
            QCOMPARE(help.exitCode, 0);
            QVERIFY(help.out.contains("--key-stdin"));
            QVERIFY(help.out.contains("6  the key is wrong or the container is damaged"));
        }
    }
};

QTEST_GUILESS_MAIN(TestContainerCommands)
#include "tst_container_commands.moc"
