#include "save_commands.h"

#include "check_command.h"
#include "configuration_input.h"
#include "storage/config_file.h"
#include "storage/config_save.h"

#include <QFileInfo>

namespace orva::cli {
namespace {

constexpr QLatin1StringView DiskOption("disk");
constexpr QLatin1StringView OutputOption("output");

struct Prepared
{
    ExitCode exitCode = ExitCode::Failure;
    QByteArray bytes;
};

// The error box texts, and the system's reason when there is one.
void reportMessage(const SaveMessage &message, CliStreams &io, const QString &reason = {})
{
    io.err << "orva-config: " << message.headline << '\n' << message.hint;
    if (!reason.isEmpty())
        io.err << " (" << reason << ')';
    io.err << Qt::endl;
}

// Gives the configuration read from FILE the editor's stored forms, runs every check and encodes the text
// to write.
Prepared prepare(const ConfigurationInput &input, const QString &path, CliStreams &io)
{
    Prepared prepared;
    T_Command_DEVICE model;
    LoadEditorModel(input, model);
    const QList<RuleFailure> failures = AllFailures(model);
    if (!failures.isEmpty()) {
        io.err << "orva-config: " << path << " does not pass the checks:\n"
               << QString::fromUtf8(FailuresAsText(failures)) << Qt::flush;
        prepared.exitCode = ExitCode::ChecksFail;
        return prepared;
    }
    ConfigurationBytes encoded = EncodeConfiguration(model);
    if (!encoded.ok()) {
        io.err << "orva-config: cannot write the configuration: " << encoded.error << Qt::endl;
        return prepared;
    }
    prepared.exitCode = ExitCode::Ok;
    prepared.bytes = std::move(encoded.bytes);
    return prepared;
}

ExitCode exitCodeOf(SaveOutcome outcome)
{
    switch (outcome) {
    case SaveOutcome::Saved:
        return ExitCode::Ok;
    case SaveOutcome::NotVerified:
        return ExitCode::NotVerified;
    case SaveOutcome::ArmedPanel:
        return ExitCode::PanelArmed;
    default:
        return ExitCode::Failure;
    }
}

} // namespace

QString SaveCommand::description() const
{
    return QStringLiteral(
        "Save a configuration (plain, or an encrypted container with its key) as the editor's "
        "\"Сохранить\" saves it after opening it without an edit: the forms its pages store, every "
        "save-time check (refused with the failures when one fails), then the configuration text written "
        "to OUT. OUT is required; nothing goes to standard output. OUT is replaced only by a complete new "
        "file: a write-protected OUT is refused, and a write that fails (no space) leaves it as it was.");
}

void SaveCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration to save."),
                                 QStringLiteral("FILE -o OUT"));
    AddKeyOptions(parser);
    parser.addOption(QCommandLineOption(
        {QStringLiteral("o"), OutputOption},
        QStringLiteral("The file to write (required). Replaced only by a complete new file."),
        QStringLiteral("OUT")));
}

ExitCode SaveCommand::beforeReading(const QCommandLineParser &parser, const QString &, CliStreams &io) const
{
    if (!parser.isSet(OutputOption)) {
        io.err << "orva-config: save needs -o OUT" << Qt::endl;
        return ExitCode::Usage;
    }
    return ExitCode::Ok;
}

ExitCode SaveCommand::run(const QCommandLineParser &parser, const QString &path,
                          const ConfigurationInput &input, CliStreams &io) const
{
    const Prepared prepared = prepare(input, path, io);
    if (prepared.exitCode != ExitCode::Ok)
        return prepared.exitCode;
    const FileWriteResult written = WriteFileAtomically(parser.value(OutputOption), prepared.bytes);
    const SaveOutcome outcome = SaveOutcomeOf(written);
    if (outcome != SaveOutcome::Saved)
        reportMessage(SaveFailureMessage(outcome), io, written.error);
    return exitCodeOf(outcome);
}

QString WriteDeviceCommand::description() const
{
    return QStringLiteral(
        "Write a configuration onto the panel's disk as the editor's \"В устройство...\" does after "
        "opening it without an edit: refused while the file's folder holds lock.txt in any letter case (the "
        "panel is armed) or a save-time check fails; otherwise config.ini in DIR (replaced only by a "
        "complete new file), then, only when config.ini was written, clock.txt, then config.ini read back "
        "and compared byte for byte.");
}

void WriteDeviceCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration to write."));
    AddKeyOptions(parser);
    parser.addOption(QCommandLineOption(DiskOption, QStringLiteral("The root folder of the panel's disk."),
                                        QStringLiteral("DIR")));
}

ExitCode WriteDeviceCommand::beforeReading(const QCommandLineParser &parser, const QString &path,
                                           CliStreams &io) const
{
    if (!parser.isSet(DiskOption)) {
        io.err << "orva-config: write-device needs --disk DIR" << Qt::endl;
        return ExitCode::Usage;
    }
    const QString disk = parser.value(DiskOption);
    if (disk.isEmpty() || !QFileInfo(disk).isDir()) {
        io.err << "orva-config: --disk needs the panel disk's folder; \"" << disk << "\" is no folder"
               << Qt::endl;
        return ExitCode::Usage;
    }
    if (PanelIsArmed(path)) {
        reportMessage(ArmedPanelMessage(), io);
        return ExitCode::PanelArmed;
    }
    return ExitCode::Ok;
}

ExitCode WriteDeviceCommand::run(const QCommandLineParser &parser, const QString &path,
                                 const ConfigurationInput &input, CliStreams &io) const
{
    const Prepared prepared = prepare(input, path, io);
    if (prepared.exitCode != ExitCode::Ok)
        return prepared.exitCode;
    const SaveOutcome outcome = WriteToDevice(parser.value(DiskOption), prepared.bytes, m_readBack);
    if (outcome != SaveOutcome::Saved)
        reportMessage(SaveFailureMessage(outcome), io);
    return exitCodeOf(outcome);
}

} // namespace orva::cli
