#include "configuration_commands.h"

#include "configuration_input.h"
#include "storage/config_file.h"

namespace orva::cli {
namespace {

ExitCode writeModel(const T_Command_DEVICE &model, const QCommandLineParser &parser, CliStreams &io)
{
    const ConfigurationBytes encoded = EncodeConfiguration(model);
    if (!encoded.ok()) {
        io.err << "orva-config: cannot write the configuration: " << encoded.error << Qt::endl;
        return ExitCode::Failure;
    }
    return WriteOutput(parser, encoded.bytes, io);
}

} // namespace

QString DefaultsCommand::description() const
{
    return QStringLiteral("Print the factory configuration (Windows-1251, CR LF line ends).");
}

void DefaultsCommand::configure(QCommandLineParser &parser) const
{
    AddOutputOption(parser);
}

ExitCode DefaultsCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    if (parser.positionalArguments().size() > 1) {
        io.err << "orva-config: defaults takes no arguments" << Qt::endl;
        return ExitCode::Usage;
    }
    T_Command_DEVICE model;
    model.ResetToDefaults();
    return writeModel(model, parser, io);
}

QString NormalizeCommand::description() const
{
    return QStringLiteral(
        "Read a configuration file and write it back as the configuration format's reader and "
        "writer see it: unknown or malformed commands are dropped, missing ones get their defaults, "
        "out-of-range numbers become the defaults. This is the format alone; the editor changes a few "
        "stored forms more when it saves (for example server addresses written with \",\"). An "
        "encrypted container (a name ending in .cry, or a file that starts with the container's "
        "signature line) is decrypted with --key or --key-stdin first; a plain file needs no key.");
}

void NormalizeCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file to read."));
    AddKeyOptions(parser);
    AddOutputOption(parser);
}

ExitCode NormalizeCommand::run(const QCommandLineParser &parser, const QString &,
                               const ConfigurationInput &input, CliStreams &io) const
{
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(input.textBytes), model);
    return writeModel(model, parser, io);
}

} // namespace orva::cli
