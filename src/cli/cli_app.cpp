#include "cli_app.h"

#include "audit_command.h"
#include "check_command.h"
#include "configuration_commands.h"
#include "container_commands.h"
#include "diff_command.h"
#include "exit_codes_command.h"
#include "field_commands.h"
#include "list_command.h"
#include "orva_version.h"
#include "report_command.h"
#include "save_commands.h"
#include "set_command.h"

#include <memory>
#include <vector>

namespace orva::cli {
namespace {

// A command's own codes and the one every command has: its output (or its --help) cannot be written.
QList<ExitCode> AllExitCodes(const CliCommand &command)
{
    QList<ExitCode> codes = command.exitCodes();
    codes.append(ExitCode::OutputFailed);
    return codes;
}

std::vector<std::unique_ptr<CliCommand>> makeCommands(const CliSeams &seams = {})
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<DefaultsCommand>());
    commands.push_back(std::make_unique<NormalizeCommand>());
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<DecryptCommand>());
    commands.push_back(std::make_unique<SaveCommand>());
    commands.push_back(std::make_unique<WriteDeviceCommand>(seams.deviceReadBack));
    commands.push_back(std::make_unique<ListCommand>());
    commands.push_back(std::make_unique<ReportCommand>(seams.today));
    commands.push_back(std::make_unique<FieldsCommand>());
    commands.push_back(std::make_unique<ShowCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<AuditCommand>());
    commands.push_back(std::make_unique<SetCommand>());
    QList<CommandExitCodes> codes;
    for (const auto &command : commands)
        codes.append({command->name(), AllExitCodes(*command)});
    commands.push_back(std::make_unique<ExitCodesCommand>(codes));
    return commands;
}

QString overview(const std::vector<std::unique_ptr<CliCommand>> &commands)
{
    QString text = QStringLiteral(
        "Prepares and inspects configurations of Zentrix Orva GSM security and fire alarm panels.\n\n"
        "Commands:\n");
    for (const auto &command : commands) {
        text += QStringLiteral("  %1\n").arg(command->name());
        // Wrapped to a readable width under the command's name.
        for (const QString &line : WrapWords(command->description(), 72))
            text += QStringLiteral("      ") + line + u'\n';
    }
    text += QStringLiteral("\nRun \"orva-config <command> --help\" for the command's options.");
    return text;
}

} // namespace

bool CommandNeedsGui(const QStringList &arguments)
{
    // The command is the first argument that is not an option (the top level has no option values).
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(u'-'))
            continue;
        for (const auto &command : makeCommands()) {
            if (command->name() == argument)
                return command->needsGui();
        }
        return false;
    }
    return false;
}

namespace {

ExitCode run(const QStringList &arguments, CliStreams &io, const CliSeams &seams)
{
    const auto commands = makeCommands(seams);
    QCommandLineParser parser;
    parser.setApplicationDescription(overview(commands));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."),
                                 QStringLiteral("<command> [options]"));

    // First pass: find the command; its options are unknown yet.
    parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    const CliCommand *command = nullptr;
    if (!positional.isEmpty()) {
        for (const auto &c : commands) {
            if (c->name() == positional.first())
                command = c.get();
        }
        if (!command) {
            io.err << "orva-config: unknown command \"" << positional.first() << "\"\n"
                   << "Run \"orva-config --help\" for the commands." << Qt::endl;
            return ExitCode::Usage;
        }
        parser.setApplicationDescription(command->description() + u"\n\n" +
                                         ExitCodeHelp(command->name(), AllExitCodes(*command)));
        parser.clearPositionalArguments();
        parser.addPositionalArgument(command->name(), QStringLiteral("The command."), command->name());
        command->configure(parser);
    }

    if (!parser.parse(arguments)) {
        io.err << "orva-config: " << parser.errorText() << Qt::endl;
        return ExitCode::Usage;
    }
    if (parser.isSet(versionOption)) {
        return WriteToStandardOutput("orva-config " ORVA_VERSION "\n", io);
    }
    if (parser.isSet(helpOption)) {
        QString help = parser.helpText();
        if (!help.endsWith(u'\n'))
            help += u'\n';
        return WriteToStandardOutput(help.toUtf8(), io);
    }
    if (!command) {
        io.err << "orva-config: no command given\n"
               << "Run \"orva-config --help\" for the commands." << Qt::endl;
        return ExitCode::Usage;
    }
    return command->execute(parser, io);
}

} // namespace

int RunCli(const QStringList &arguments, CliStreams &io, const CliSeams &seams)
{
    const ExitCode code = run(arguments, io, seams);
    // Output that was lost is the answer, whatever the command found: the same code for every command.
    if (io.outputError) {
        io.err << "orva-config: cannot write to standard output: " << *io.outputError << Qt::endl;
        return int(ExitCode::OutputFailed);
    }
    return int(code);
}

} // namespace orva::cli
