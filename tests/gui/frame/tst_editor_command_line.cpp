// orva-configurator's own options as a user meets them in a terminal: --version and --help print and
// end the program without a display, an unknown option is refused, and no window ever opens for them.
#include "orva_version.h"

#include <QProcess>
#include <QTest>

class EditorCommandLineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answeredOnTheTerminal_data();
    void answeredOnTheTerminal();
};

void EditorCommandLineTest::answeredOnTheTerminal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString version = QStringLiteral("orva-configurator " ORVA_VERSION "\n");
    const QString usage = QStringLiteral("Usage: orva-configurator [-debug] [--] [FILE]");
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0 << version << QString();
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0 << usage << QString();
    QTest::newRow("--version after -debug")
        << QStringList{QStringLiteral("-debug"), QStringLiteral("--version")} << 0 << version << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")} << 2 << QString()
                                    << QStringLiteral("unknown option --colour");
}

void EditorCommandLineTest::answeredOnTheTerminal()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    // No display at all: a window could not even be made, so an answer proves none was tried.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(ORVA_EDITOR_BINARY), arguments);
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), exitCode);
    const QString printed = QString::fromLocal8Bit(editor.readAllStandardOutput());
    const QString complained = QString::fromLocal8Bit(editor.readAllStandardError());
    if (out.isEmpty())
        QVERIFY(printed.isEmpty());
    else
        QVERIFY2(printed.startsWith(out), qPrintable(printed));
    if (err.isEmpty())
        QVERIFY2(complained.isEmpty(), qPrintable(complained));
    else
        QVERIFY2(complained.contains(err), qPrintable(complained));
}

QTEST_APPLESS_MAIN(EditorCommandLineTest)
#include "tst_editor_command_line.moc"
