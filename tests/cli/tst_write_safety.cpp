// Every file orva-config writes (every -o, write-device, set) goes through the one writer: a disk that cannot
// take the whole output leaves the old file byte for byte as it was and the command fails; a write-protected
// file is refused by every -o (for an administrator too); write-device writes no clock file after a
// config.ini that failed and reports a read-back that differs; a container's key is trimmed as the editor
// trims it.
#include "../support/cli_runner.h"
#include "../support/write_failures.h"
#include "container_encoder.h"
#include "save_commands.h"

#include "config_text/win1251_codec.h"
#include "storage/config_file.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace orva;
using orva::test::ReadBytes;
using orva::test::runCli;
using orva::test::WriteBytes;

namespace {

const QString Opened = QStringLiteral(ORVA_FIXTURES_DIR "/save/opened.ini");
const QString Office = QStringLiteral(ORVA_FIXTURES_DIR "/report/office.ini");
const QString Passing = QStringLiteral(ORVA_FIXTURES_DIR "/check/passing.ini");
const QByteArray OldBytes = QByteArrayLiteral("old file, known bytes\r\n");
const QString CannotCreate = QStringLiteral("Ошибка записи в файл - файл не может быть создан");
const QString CannotWrite = QStringLiteral("Ошибка записи в файл - файл не может быть записан");
// A file size below every output of these commands (a configuration text, a PDF record).
constexpr qint64 SmallLimit = 1024;

// The passing configuration without a file key: a container of it gets the key it is opened with.
QByteArray passingWithoutKey()
{
    QByteArray text;
    for (const QByteArray &line : ReadBytes(Passing).split('\n')) {
        if (!line.isEmpty() && !line.startsWith("ks"))
            text += line + '\n';
    }
    return text;
}

QByteArray containerOf(const QByteArray &text, const QString &key)
{
    test::ContainerParts parts;
    parts.text = text;
    parts.keyBytes = test::RepeatKeyBytes(EncodeWindows1251(key).bytes);
    parts.deviceName = "Object";
    parts.identifier = "0102030405AB";
    parts.filler = 5;
    return test::EncodeContainer(parts);
}

// A folder with the inputs, an existing output with known bytes and a panel's disk holding an old
// config.ini. Arguments name them as {OUT}, {DISK} and {CRY}.
struct Workspace
{
    QTemporaryDir dir;
    QString out;

    explicit Workspace(const QString &outName, const QByteArray &outBytes = OldBytes)
    {
        out = dir.filePath(outName);
        QDir(dir.path()).mkdir(QStringLiteral("disk"));
        WriteBytes(out, outBytes);
        WriteBytes(disk() + QStringLiteral("/config.ini"), OldBytes);
        WriteBytes(dir.filePath(QStringLiteral("panel.cry")),
                   containerOf(ReadBytes(Passing), QStringLiteral("secret")));
    }
    QString disk() const { return dir.filePath(QStringLiteral("disk")); }
    QString target(bool device) const { return device ? disk() + QStringLiteral("/config.ini") : out; }
    QStringList arguments(QStringList arguments) const
    {
        for (QString &argument : arguments) {
            argument.replace(QStringLiteral("{OUT}"), out);
            argument.replace(QStringLiteral("{DISK}"), disk());
            argument.replace(QStringLiteral("{CRY}"), dir.filePath(QStringLiteral("panel.cry")));
        }
        return arguments;
    }
};

// Every command that writes a file, with the file it writes and what its failure messages say.
struct WritingCommand
{
    const char *name;
    QStringList arguments;
    QString outName;
    bool device; // the target is config.ini on the disk
    QString shortMessage;
    QString protectedMessage;
    QByteArray outBytes = OldBytes; // what OUT holds before (set changes its file in place)
};

QList<WritingCommand> writingCommands()
{
    const QString o = QStringLiteral("-o");
    const QString out = QStringLiteral("{OUT}");
    const QString ini = QStringLiteral("out.ini");
    const QString cannotWrite = QStringLiteral("cannot write ");
    return {
        {"save", {QStringLiteral("save"), Opened, o, out}, ini, false, CannotCreate, CannotWrite},
        {"write-device",
         {QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), QStringLiteral("{DISK}")},
         ini,
         true,
         CannotCreate,
         CannotWrite},
        {"defaults -o", {QStringLiteral("defaults"), o, out}, ini, false, cannotWrite, cannotWrite},
        {"normalize -o", {QStringLiteral("normalize"), Opened, o, out}, ini, false, cannotWrite, cannotWrite},
        {"decrypt -o",
         {QStringLiteral("decrypt"), QStringLiteral("{CRY}"), QStringLiteral("--key"),
          QStringLiteral("secret"), o, out},
         ini,
         false,
         cannotWrite,
         cannotWrite},
        {"report -o",
         {QStringLiteral("report"), Office, o, out},
         QStringLiteral("out.pdf"),
         false,
         cannotWrite,
         cannotWrite},
        {"set",
         {QStringLiteral("set"), out, QStringLiteral("--field"), QStringLiteral("gprs.sim1.apn=internet")},
         ini,
         false,
         CannotCreate,
         CannotWrite,
         ReadBytes(Passing)},
    };
}

// Another user of the computer, whose files an administrator rewrites; and the user "nobody", who may
// write such a file but not give a file away.
constexpr uint OtherUser = 4321;
constexpr uint OtherGroup = 4322;
constexpr uint Nobody = 65534;

#ifdef Q_OS_UNIX
struct Ownership
{
    uint owner = 0;
    uint group = 0;
    uint mode = 0;
    bool operator==(const Ownership &) const = default;
};

Ownership ownershipOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {uint(info.st_uid), uint(info.st_gid), uint(info.st_mode & 07777)};
}

bool giveAway(const QString &path, uint mode)
{
    const QByteArray name = QFile::encodeName(path);
    return ::chown(name.constData(), OtherUser, OtherGroup) == 0 && ::chmod(name.constData(), mode) == 0;
}
#endif

void addCommandColumns()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<bool>("device");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("outBytes");
}

// A row per writing command, with the message of the failure `message` points to.
void addCommandRows(QString WritingCommand::*message)
{
    addCommandColumns();
    for (const WritingCommand &command : writingCommands())
        QTest::newRow(command.name) << command.arguments << command.outName << command.device
                                    << command.*message << command.outBytes;
}

} // namespace

class WriteSafetyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shortWriteFails_data();
    void shortWriteFails();
    void writeProtectedIsRefused_data();
    void writeProtectedIsRefused();
    void shortWriteOfTheProgram();
    void readBackDifferenceIsExit10();
    void containerKeyIsTrimmed_data();
    void containerKeyIsTrimmed();
    void saveHelpTellsWhatItDoes();
    void replacedFileKeepsItsOwner_data();
    void replacedFileKeepsItsOwner();
    void ownerThatCannotBeKeptIsRefused_data();
    void ownerThatCannotBeKeptIsRefused();
};

void WriteSafetyTest::shortWriteFails_data()
{
    addCommandRows(&WritingCommand::shortMessage);
}

// The disk takes only the first kilobyte of the new file.
void WriteSafetyTest::shortWriteFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outName);
    QFETCH(bool, device);
    QFETCH(QString, message);
    QFETCH(QByteArray, outBytes);
    {
        // Without the limit the command writes more than the limit lets through.
        const Workspace free(outName, outBytes);
        const test::CliRun written = runCli(free.arguments(arguments));
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        QVERIFY(ReadBytes(free.target(device)).size() > SmallLimit);
    }
    const Workspace space(outName, outBytes);
    QVERIFY(space.dir.isValid());
    const QStringList before = test::FolderEntries(space.dir.path());
    const QStringList diskBefore = test::FolderEntries(space.disk());

    test::CliRun run;
    {
        const test::FileSizeLimit full(SmallLimit);
        if (!full.active())
            QSKIP("the file size limit cannot be set here");
        run = runCli(space.arguments(arguments));
    }
    QCOMPARE(run.exitCode, int(cli::ExitCode::Failure));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(ReadBytes(space.target(device)), device ? OldBytes : outBytes);
    QCOMPARE(test::FolderEntries(space.dir.path()), before);
    // No clock.txt after a config.ini that was not written, and no temporary file.
    QCOMPARE(test::FolderEntries(space.disk()), diskBefore);
}

void WriteSafetyTest::writeProtectedIsRefused_data()
{
    addCommandColumns();
    QTest::addColumn<bool>("immutable"); // chattr +i, else the write bits taken away
    for (const bool immutable : {false, true}) {
        for (const WritingCommand &command : writingCommands())
            QTest::addRow("%s, %s", command.name, immutable ? "immutable" : "read-only attribute")
                << command.arguments << command.outName << command.device << command.protectedMessage
                << command.outBytes << immutable;
    }
}

// Tests may run as an administrator, whom the system lets write any file: the program refuses all the
// same, and the file keeps its bytes and its permissions.
void WriteSafetyTest::writeProtectedIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outName);
    QFETCH(bool, device);
    QFETCH(QString, message);
    QFETCH(QByteArray, outBytes);
    QFETCH(bool, immutable);
    const Workspace space(outName, outBytes);
    const QString target = space.target(device);
    if (!immutable)
        QVERIFY(test::RemoveWriteBits(target));
    const QFileDevice::Permissions permissions = QFileInfo(target).permissions();
    const QStringList before = test::FolderEntries(space.dir.path());
    const QStringList diskBefore = test::FolderEntries(space.disk());
    std::optional<test::ImmutableFile> locked;
    if (immutable) {
        locked.emplace(target);
        if (!locked->ok())
            QSKIP(qPrintable(locked->reason()));
    }
    const test::CliRun run = runCli(space.arguments(arguments));
    locked.reset();
    QCOMPARE(run.exitCode, int(cli::ExitCode::Failure));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(ReadBytes(target), device ? OldBytes : outBytes);
    QCOMPARE(QFileInfo(target).permissions(), permissions);
    QCOMPARE(test::FolderEntries(space.dir.path()), before);
    QCOMPARE(test::FolderEntries(space.disk()), diskBefore);
}

// The program itself, started as a user would on a nearly full disk (the shell's file size limit of two
// kilobytes, SIGXFSZ ignored).
void WriteSafetyTest::shortWriteOfTheProgram()
{
#ifndef Q_OS_UNIX
    QSKIP("a shell's file size limit needs a Unix system");
#else
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("bash"));
    if (shell.isEmpty())
        QSKIP("bash is not installed");
    const Workspace space(QStringLiteral("existing.ini"));
    QProcess program;
    program.start(shell, {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 2; exec \"$@\""),
                          QStringLiteral("orva-config"), QStringLiteral(ORVA_CONFIG_BINARY),
                          QStringLiteral("save"), Opened, QStringLiteral("-o"), space.out});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), int(cli::ExitCode::Failure));
    QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains(CannotCreate));
    QCOMPARE(ReadBytes(space.out), OldBytes);
    QCOMPARE(
        test::FolderEntries(space.dir.path()),
        (QStringList{QStringLiteral("disk"), QStringLiteral("existing.ini"), QStringLiteral("panel.cry")}));
#endif
}

// A card that gives back other bytes than were written.
void WriteSafetyTest::readBackDifferenceIsExit10()
{
    const Workspace space(QStringLiteral("out.ini"));
    cli::CliSeams seams;
    seams.deviceReadBack = [](const QString &path) {
        FileReadResult read = ReadFileBytes(path);
        read.bytes[read.bytes.size() / 2] ^= 0x20;
        return read;
    };
    const QStringList arguments = space.arguments(
        {QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), QStringLiteral("{DISK}")});
    const test::CliRun run = runCli(arguments, {}, seams);
    QCOMPARE(run.exitCode, int(cli::ExitCode::NotVerified));
    QVERIFY2(run.err.contains(SaveFailureMessage(SaveOutcome::NotVerified).headline), qPrintable(run.err));
    // The same command with the card reading back true.
    const Workspace again(QStringLiteral("out.ini"));
    QCOMPARE(runCli(again.arguments(arguments)).exitCode, int(cli::ExitCode::Ok));
}

// A container without a file key, opened with the key typed with blanks: the file key is the trimmed
// key, as the editor's key dialog gives it, so the configuration passes the checks.
void WriteSafetyTest::containerKeyIsTrimmed_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    for (const char *command : {"save", "check", "write-device"}) {
        QTest::addRow("%s, Ключ2", command) << QString::fromLatin1(command) << QStringLiteral("Ключ2");
        QTest::addRow("%s, blanks around", command)
            << QString::fromLatin1(command) << QStringLiteral("  Ключ2 ");
    }
}

void WriteSafetyTest::containerKeyIsTrimmed()
{
    QFETCH(QString, command);
    QFETCH(QString, key);
    const Workspace space(QStringLiteral("out.ini"));
    const QString cry = space.dir.filePath(QStringLiteral("keyless.cry"));
    QVERIFY(WriteBytes(cry, containerOf(passingWithoutKey(), QStringLiteral("Ключ2"))));
    QStringList arguments{command, cry, QStringLiteral("--key"), key};
    if (command == u"save")
        arguments << QStringLiteral("-o") << space.out;
    if (command == u"write-device")
        arguments << QStringLiteral("--disk") << space.disk();
    const test::CliRun run = runCli(arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    if (command == u"check")
        return;
    const QString written = ConfigurationTextFromBytes(ReadBytes(space.target(command == u"write-device")));
    QVERIFY2(written.contains(QStringLiteral("\r\nks1-Ключ2 ")), qPrintable(written.left(200)));
    QVERIFY(written.contains(QStringLiteral("\r\nks2-Ключ2 ")));
}

// save writes only to OUT: the help says so and does not offer standard output.
void WriteSafetyTest::saveHelpTellsWhatItDoes()
{
    const test::CliRun help = runCli({QStringLiteral("save"), QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QString text = QString::fromUtf8(help.out);
    QVERIFY2(!text.contains(QStringLiteral("instead of standard output")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("save FILE -o OUT")));
    QVERIFY(text.contains(QStringLiteral("-o, --output <OUT>")));
    QVERIFY(text.contains(QStringLiteral("OUT is required")));
    // Exit codes 9 and 10 belong to write-device.
    QVERIFY(!text.contains(QStringLiteral("lock.txt")));
    const test::CliRun withoutOut = runCli({QStringLiteral("save"), Opened});
    QCOMPARE(withoutOut.exitCode, int(cli::ExitCode::Usage));
    QVERIFY(withoutOut.out.isEmpty());
}

void WriteSafetyTest::replacedFileKeepsItsOwner_data()
{
    addCommandRows(&WritingCommand::protectedMessage);
}

// An administrator rewrites a user's file: the new file is the user's as the old one was, readable to
// the user's group and the others as before.
void WriteSafetyTest::replacedFileKeepsItsOwner()
{
#ifndef Q_OS_UNIX
    QSKIP("owners and modes of files are a Unix matter");
#else
    QFETCH(QStringList, arguments);
    QFETCH(QString, outName);
    QFETCH(bool, device);
    QFETCH(QByteArray, outBytes);
    if (::geteuid() != 0)
        QSKIP("giving a file to another user needs an administrator");
    const Workspace space(outName, outBytes);
    const QString target = space.target(device);
    QVERIFY(giveAway(target, 0644));
    const QByteArray before = ReadBytes(target);
    const test::CliRun run = runCli(space.arguments(arguments));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(ReadBytes(target) != before);
    QCOMPARE(ownershipOf(target), (Ownership{OtherUser, OtherGroup, 0644}));
#endif
}

void WriteSafetyTest::ownerThatCannotBeKeptIsRefused_data()
{
    addCommandRows(&WritingCommand::protectedMessage);
}

// A user who may write another user's file (its mode lets everyone write) but may not give a new file to
// that user: the file is not replaced by one of the wrong owner; it stays as it was, with the reason told.
void WriteSafetyTest::ownerThatCannotBeKeptIsRefused()
{
#ifndef Q_OS_UNIX
    QSKIP("owners and modes of files are a Unix matter");
#else
    QFETCH(QStringList, arguments);
    QFETCH(QString, outName);
    QFETCH(bool, device);
    QFETCH(QString, message);
    QFETCH(QByteArray, outBytes);
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::geteuid() != 0 || setpriv.isEmpty())
        QSKIP("running the program as another user needs an administrator and setpriv (util-linux)");
    const Workspace space(outName, outBytes);
    const QString target = space.target(device);
    // Folders and files that the user nobody may enter, read and write.
    for (const QString &folder : {space.dir.path(), space.disk()})
        QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
    QVERIFY(giveAway(target, 0666));
    const QStringList before = test::FolderEntries(space.dir.path());
    const QStringList diskBefore = test::FolderEntries(space.disk());

    QProcess program;
    program.start(setpriv, QStringList{QStringLiteral("--reuid=%1").arg(Nobody),
                                       QStringLiteral("--regid=%1").arg(Nobody),
                                       QStringLiteral("--clear-groups"), QStringLiteral(ORVA_CONFIG_BINARY)} +
                               space.arguments(arguments));
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitCode(), int(cli::ExitCode::Failure));
    QVERIFY2(err.contains(message), qPrintable(err));
    if (!device)
        QVERIFY2(err.contains(QStringLiteral("cannot be given the owner %1").arg(OtherUser)),
                 qPrintable(err));
    QCOMPARE(ReadBytes(target), device ? OldBytes : outBytes);
    QCOMPARE(ownershipOf(target), (Ownership{OtherUser, OtherGroup, 0666}));
    QCOMPARE(test::FolderEntries(space.dir.path()), before);
    QCOMPARE(test::FolderEntries(space.disk()), diskBefore);
#endif
}

QTEST_MAIN(WriteSafetyTest)
#include "tst_write_safety.moc"
