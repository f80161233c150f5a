// The editor started on a config.ini that is no configuration: it opens with the defaults (or the
// file's free text as version), never crashes and never hangs.
#include "editor_fixture.h"
#include "file_helpers.h"

#include <QDir>
#include <QTabWidget>
#include <QTest>

using namespace orva;
using orva::test::HoldsStored;
using orva::test::WriteBytes;

class TestEditorBadInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startUpFile_data();
    void startUpFile();
    void folderNamedConfigIni();
};

void TestEditorBadInput::startUpFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary(256 * 1024, '\0');
    quint32 x = 99;
    for (char &c : binary) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << binary;
    QTest::newRow("nul bytes") << QByteArray(64 * 1024, '\0');
    QTest::newRow("one 1 MB line") << QByteArray(1 << 20, 'x');
    QTest::newRow("50 MB") << QByteArray("; filler line\r\n").repeated(50 * 1024 * 1024 / 15);
}

void TestEditorBadInput::startUpFile()
{
    QFETCH(QByteArray, bytes);
    EditorFixture f;
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.ini")), bytes));
    QVERIFY(f.ShowActive());
    QVERIFY(f.window->PagesParam()->isVisible());
    QCOMPARE(f.questions->unexpected(), 0);
    // Nothing in such a file is a command: every value but the version text is the factory one.
    T_Command_DEVICE defaults;
    defaults.ResetToDefaults();
    defaults.record(Cmd::Zentrix).setText(1, f.working.record(Cmd::Zentrix).text(1));
    QVERIFY(HoldsStored(*f.window, f.working, defaults));
}

void TestEditorBadInput::folderNamedConfigIni()
{
    EditorFixture f;
    QVERIFY(QDir(f.current.path()).mkdir(QStringLiteral("config.ini")));
    QVERIFY(f.ShowActive());
    QVERIFY(f.window->windowTitle().endsWith(QStringLiteral("config.cry")));
    QCOMPARE(f.questions->unexpected(), 0);
}

QTEST_MAIN(TestEditorBadInput)
#include "tst_editor_bad_input.moc"
