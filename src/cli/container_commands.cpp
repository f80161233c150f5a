#include "container_commands.h"

#include "configuration_input.h"

namespace orva::cli {

QString DecryptCommand::description() const
{
    return QStringLiteral(
        "Decrypt an encrypted configuration container (.cry) with its file key and print the configuration "
        "text exactly as it is stored inside (Windows-1251, line breaks as stored). The file is taken as a "
        "container whatever its name; only its first 64001 bytes are read.");
}

void DecryptCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The container to decrypt."));
    AddKeyOptions(parser);
    AddOutputOption(parser);
}

ExitCode DecryptCommand::run(const QCommandLineParser &parser, const QString &,
                             const ConfigurationInput &input, CliStreams &io) const
{
    return WriteOutput(parser, input.textBytes, io);
}

} // namespace orva::cli
