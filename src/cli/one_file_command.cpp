#include "one_file_command.h"

namespace orva::cli {

ExitCode OneFileCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() != 1) {
        io.err << "orva-config: " << name() << " needs exactly one FILE" << Qt::endl;
        return ExitCode::Usage;
    }
    const QString &path = args.first();
    if (const ExitCode refused = beforeReading(parser, path, io); refused != ExitCode::Ok)
        return refused;
    const ConfigurationInput input = ReadConfigurationInput(parser, path, io, inputKind());
    if (input.exitCode != ExitCode::Ok)
        return input.exitCode;
    return run(parser, path, input, io);
}

ExitCode OneFileCommand::beforeReading(const QCommandLineParser &, const QString &, CliStreams &) const
{
    return ExitCode::Ok;
}

} // namespace orva::cli
