#include "save_commands.h"

#include "check_command.h"
#include "configuration_input.h"
#include "storage/config_file.h"
#include "storage/config_save.h"

namespace orva::cli {
namespace {

const QString DiskOption = QStringLiteral("disk");
const QString OutputOption = QStringLiteral("output");

struct Prepared
{
    int exitCode = ExitFailure;
    QByteArray bytes;
};

// The exit codes both commands share; write-device adds its own two.
QString exitCodes()
{
    return QStringLiteral("Exit codes:\n"
                          "  0  written\n"
                          "  1  a file cannot be read, or cannot be written completely (write-protected, no\n"
                          "     space): a file that was there stays byte for byte as it was\n"
                          "  2  wrong command line (also: a container without --key or --key-stdin)\n"
                          "  3  not a container of the panel (signature line missing or different)\n"
                          "  4  the container's size is wrong\n"
                          "  5  the key is empty\n"
                          "  6  the key is wrong or the container is damaged\n"
                          "  8  a save-time check fails (the failures are printed); nothing is written");
}

QString deviceExitCodes()
{
    return exitCodes() +
           QStringLiteral("\n"
                          "  9  the file's folder holds lock.txt (any letter case): the panel is\n"
                          "     armed; nothing is written\n"
                          " 10  config.ini on the disk reads back different from what was written");
}

void reportMessage(const SaveMessage &message, CliStreams &io)
{
    io.err << "orva-config: " << message.headline << '\n' << message.hint << Qt::endl;
}

// Reads FILE, gives it the editor's stored forms, runs every check and encodes the text to write.
Prepared prepare(const QCommandLineParser &parser, const QString &path, CliStreams &io)
{
    Prepared prepared;
    const ConfigurationInput input = ReadConfigurationInput(parser, path, io);
    if (input.exitCode != ExitOk) {
        prepared.exitCode = input.exitCode;
        return prepared;
    }
    T_Command_DEVICE model;
    LoadEditorModel(input, model);
    const QList<RuleFailure> failures = AllFailures(model);
    if (!failures.isEmpty()) {
        io.err << "orva-config: " << path << " does not pass the checks:\n"
               << QString::fromUtf8(FailuresAsText(failures)) << Qt::flush;
        prepared.exitCode = ExitChecksFail;
        return prepared;
    }
    ConfigurationBytes encoded = EncodeConfiguration(model);
    if (!encoded.ok()) {
        io.err << "orva-config: cannot write the configuration: " << encoded.error << Qt::endl;
        return prepared;
    }
    prepared.exitCode = ExitOk;
    prepared.bytes = std::move(encoded.bytes);
    return prepared;
}

int exitCodeOf(SaveOutcome outcome)
{
    switch (outcome) {
    case SaveOutcome::Saved:
        return ExitOk;
    case SaveOutcome::NotVerified:
        return ExitNotVerified;
    case SaveOutcome::ArmedPanel:
        return ExitPanelArmed;
    default:
        return ExitFailure;
    }
}

bool oneFile(const QCommandLineParser &parser, const QString &command, CliStreams &io)
{
    if (parser.positionalArguments().size() == 2)
        return true;
    io.err << "orva-config: " << command << " needs exactly one FILE" << Qt::endl;
    return false;
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

QString SaveCommand::helpDetails() const
{
    return exitCodes();
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

int SaveCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    if (!oneFile(parser, name(), io))
        return ExitUsage;
    if (!parser.isSet(OutputOption)) {
        io.err << "orva-config: save needs -o OUT" << Qt::endl;
        return ExitUsage;
    }
    const Prepared prepared = prepare(parser, parser.positionalArguments().at(1), io);
    if (prepared.exitCode != ExitOk)
        return prepared.exitCode;
    const SaveOutcome outcome = SaveConfigurationFile(parser.value(OutputOption), prepared.bytes);
    if (outcome != SaveOutcome::Saved)
        reportMessage(SaveFailureMessage(outcome), io);
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

QString WriteDeviceCommand::helpDetails() const
{
    return deviceExitCodes();
}

void WriteDeviceCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration to write."));
    AddKeyOptions(parser);
    parser.addOption(QCommandLineOption(DiskOption, QStringLiteral("The root folder of the panel's disk."),
                                        QStringLiteral("DIR")));
}

int WriteDeviceCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    if (!oneFile(parser, name(), io))
        return ExitUsage;
    if (!parser.isSet(DiskOption)) {
        io.err << "orva-config: write-device needs --disk DIR" << Qt::endl;
        return ExitUsage;
    }
    const QString path = parser.positionalArguments().at(1);
    if (PanelIsArmed(path)) {
        reportMessage(ArmedPanelMessage(), io);
        return ExitPanelArmed;
    }
    const Prepared prepared = prepare(parser, path, io);
    if (prepared.exitCode != ExitOk)
        return prepared.exitCode;
    const SaveOutcome outcome = WriteToDevice(parser.value(DiskOption), prepared.bytes, m_readBack);
    if (outcome != SaveOutcome::Saved)
        reportMessage(SaveFailureMessage(outcome), io);
    return exitCodeOf(outcome);
}

} // namespace orva::cli
