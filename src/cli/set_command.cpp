#include "set_command.h"

#include "check_command.h"
#include "configuration_input.h"
#include "field_diff_text.h"
#include "fleet/field_edit.h"
#include "save_commands.h"
#include "storage/config_file.h"
#include "storage/config_save.h"
#include "terminal_text.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace orva::cli {
namespace {

constexpr QLatin1StringView FieldOption("field");
constexpr QLatin1StringView DryRunOption("dry-run");

using Result = FieldEditOutcome::Result;

// The --field options as assignments; a wrong id, a field that cannot be set or a value that is no value
// of its field is a wrong command line. A value that the field's entry control would not take (too long,
// a character its filter refuses) is refused as the editor refuses it, before any file is read.
ExitCode readAssignments(const QCommandLineParser &parser, QList<FieldAssignment> &assignments,
                         CliStreams &io)
{
    for (const QString &option : parser.values(FieldOption)) {
        const qsizetype equals = option.indexOf(u'=');
        const Field *field = equals > 0 ? FindField(option.left(equals)) : nullptr;
        if (!field) {
            io.err << "orva-config: --field " << option << ": give ID=VALUE with an id that "
                   << "\"orva-config fields\" lists" << Qt::endl;
            return ExitCode::Usage;
        }
        const QString value = option.mid(equals + 1);
        QString error;
        if (!FieldTakes(*field, value, &error)) {
            io.err << "orva-config: --field " << error << Qt::endl;
            return ExitCode::ChecksFail;
        }
        T_Command_DEVICE probe;
        probe.ResetToDefaults();
        if (!SetField(*field, probe, value, &error)) {
            io.err << "orva-config: --field " << field->id << ": " << error << Qt::endl;
            return ExitCode::Usage;
        }
        assignments.append(FieldAssignment{field, value});
    }
    if (assignments.isEmpty()) {
        io.err << "orva-config: set needs at least one --field ID=VALUE" << Qt::endl;
        return ExitCode::Usage;
    }
    return ExitCode::Ok;
}

ExitCode refuse(const QString &path, const FieldEditOutcome &outcome, CliStreams &io)
{
    if (outcome.result == Result::ChecksFail) {
        io.err << "orva-config: " << path << " is left unchanged: it would not pass the checks:\n"
               << QString::fromUtf8(FailuresAsText(outcome.failures)) << Qt::flush;
    } else {
        io.err << "orva-config: " << path << " is left unchanged: " << outcome.message << Qt::endl;
    }
    return ExitCode::ChecksFail;
}

// Edits one file; returns its exit code. Another `set` of the same file waits (a lock file beside it,
// hidden) until this one has read, changed and replaced it, so that neither change is lost.
ExitCode setFile(const QString &path, const QList<FieldAssignment> &assignments, bool dryRun, CliStreams &io)
{
    const QFileInfo file(path);
    QLockFile lock(file.dir().filePath(u'.' + file.fileName() + QStringLiteral(".lock")));
    constexpr int LockWaitMs = 60000;
    if (!dryRun && !lock.tryLock(LockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        io.err << "orva-config: " << path << " is left unchanged: another program is changing it" << Qt::endl;
        return ExitCode::Failure;
    }
    // A folder where no lock can be made (write-protected) cannot take the new file either: the
    // replace below reports that.
    const FileReadResult read = ReadFileBytes(path);
    if (!read.ok) {
        io.err << "orva-config: cannot read " << path << ": " << read.error << Qt::endl;
        return ExitCode::Unreadable;
    }
    if (IsContainerInput(path, read.bytes)) {
        io.err << "orva-config: " << path << " is an encrypted container: this program never writes one. "
               << "Open it with its key in the editor and save it as a plain file, then set that file."
               << Qt::endl;
        return ExitCode::ContainerRefused;
    }
    const FieldEditOutcome outcome = EditConfiguration(read.bytes, assignments);
    if (outcome.result != Result::Ready)
        return refuse(path, outcome, io);
    if (dryRun) {
        const QByteArray changes = DifferencesAsText(outcome.changes, TerminalText(path) + u": ");
        return WriteToStandardOutput(changes, io);
    }
    if (outcome.bytes == read.bytes)
        return ExitCode::Ok; // already so: the file keeps its bytes and its date
    const FileWriteResult written = WriteFileAtomically(path, outcome.bytes);
    if (const SaveOutcome saved = SaveOutcomeOf(written); saved != SaveOutcome::Saved) {
        const SaveMessage message = SaveFailureMessage(saved);
        io.err << "orva-config: " << path << ": " << message.headline << '\n'
               << message.hint << (written.error.isEmpty() ? QString() : u" (" + written.error + u')')
               << Qt::endl;
        return ExitCode::Failure;
    }
    return ExitCode::Ok;
}

} // namespace

QString SetCommand::description() const
{
    return QStringLiteral(
        "Change fields in plain configuration files: each --field ID=VALUE (ids as \"orva-config fields\" "
        "lists them) is read as the field shows values (an address with points, a mode by its number or its "
        "page text, ...) and must be one the page offers and its entry control takes: no longer than the "
        "field, no character its filter refuses (\"orva-config fields\" says what each takes). Each file is "
        "opened as the editor opens it, given the values as its pages store "
        "them, checked with every save-time check and written (replaced atomically) only when all pass and "
        "the written file reads back the same; otherwise it is reported with its failures and left "
        "byte-identical. A file changed this way and then opened and saved unchanged in the editor keeps its "
        "bytes. Encrypted containers are "
        "refused: this program never writes one. With --dry-run nothing is "
        "written and the changes are printed as \"FILE: page / field: old → new\".");
}

void SetCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The plain configuration files to change."),
                                 QStringLiteral("FILE..."));
    parser.addOption(QCommandLineOption(FieldOption, QStringLiteral("A field and its new value, as shown."),
                                        QStringLiteral("ID=VALUE")));
    parser.addOption(QCommandLineOption(
        DryRunOption, QStringLiteral("Write nothing; print the changes each file would get.")));
}

ExitCode SetCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.isEmpty()) {
        io.err << "orva-config: set needs at least one FILE" << Qt::endl;
        return ExitCode::Usage;
    }
    QList<FieldAssignment> assignments;
    if (const ExitCode read = readAssignments(parser, assignments, io); read != ExitCode::Ok)
        return read;
    ExitCode exitCode = ExitCode::Ok;
    for (const QString &path : files) {
        const ExitCode code = setFile(path, assignments, parser.isSet(DryRunOption), io);
        if (exitCode == ExitCode::Ok)
            exitCode = code;
    }
    return exitCode;
}

} // namespace orva::cli
