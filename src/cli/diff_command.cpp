#include "diff_command.h"

#include "configuration_input.h"
#include "field_commands.h"
#include "field_diff_text.h"
#include "fields/field_catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orva::cli {
namespace {

constexpr QLatin1StringView JsonOption("json");
constexpr QLatin1StringView KeyAOption("key-a");
constexpr QLatin1StringView KeyBOption("key-b");
constexpr QLatin1StringView KeysStdinOption("keys-stdin");

QByteArray asJson(const QList<FieldDifference> &differences)
{
    QJsonArray array;
    for (const FieldDifference &d : differences) {
        array.append(QJsonObject{{QStringLiteral("id"), d.field->id},
                                 {QStringLiteral("page"), d.field->pageCaption},
                                 {QStringLiteral("field"), d.field->caption},
                                 {QStringLiteral("a"), d.a},
                                 {QStringLiteral("b"), d.b}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

// The keys of A and B: from --key-a and --key-b, or the first two lines of standard input with
// --keys-stdin. Usage when the options contradict each other or standard input is also a file.
ExitCode readKeys(const QCommandLineParser &parser, const QStringList &files,
                  std::optional<QString> (&keys)[2], CliStreams &io)
{
    if (!parser.isSet(KeysStdinOption)) {
        const QLatin1StringView options[2] = {KeyAOption, KeyBOption};
        for (int i = 0; i < 2; ++i) {
            if (parser.isSet(options[i]))
                keys[i] = parser.value(options[i]);
        }
        return ExitCode::Ok;
    }
    if (parser.isSet(KeyAOption) || parser.isSet(KeyBOption)) {
        io.err << "orva-config: give --keys-stdin or --key-a and --key-b, not both" << Qt::endl;
        return ExitCode::Usage;
    }
    if (files.contains(QStringLiteral("-"))) {
        io.err
            << "orva-config: standard input cannot hold both a file and the keys: give the file by its name"
            << Qt::endl;
        return ExitCode::Usage;
    }
    for (std::optional<QString> &key : keys) {
        key = ReadKeyLine(io);
        if (!key) {
            io.err << "orva-config: standard input cannot be read for --keys-stdin" << Qt::endl;
            return ExitCode::Unreadable;
        }
    }
    return ExitCode::Ok;
}

} // namespace

QString DiffCommand::description() const
{
    return QStringLiteral(
        "Compare two configurations field by field, as the editor shows them after opening each file, and "
        "print the fields whose values differ in page order: \"page / field: A-value → B-value\" (UTF-8), "
        "or with --json an array of objects with id, page, field, a and b. Differences of form alone "
        "(blank padding, line breaks, \".\" or \",\" in addresses, letter case of hexadecimal digits, the "
        "order of the dial phones' lines) are no differences. Encrypted containers need their keys: --key-a "
        "and --key-b, or --keys-stdin to read them from standard input, A's on the first line and B's on the "
        "second. A or B may be \"-\" for standard input, and a named pipe (as a shell's <(...) gives) is "
        "read "
        "as a stream.");
}

void DiffCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("The first configuration."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("The second configuration."));
    parser.addOption(QCommandLineOption(
        KeyAOption, QStringLiteral("The file key of A when it is a container."), QStringLiteral("KEY")));
    parser.addOption(QCommandLineOption(
        KeyBOption, QStringLiteral("The file key of B when it is a container."), QStringLiteral("KEY")));
    parser.addOption(QCommandLineOption(
        KeysStdinOption,
        QStringLiteral("Read the file keys from standard input: A's on the first line, B's on "
                       "the second (a plain file's line is not used).")));
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print a JSON array of objects with id, page, field, a and b.")));
}

ExitCode DiffCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() != 2) {
        io.err << "orva-config: diff needs two files, A and B" << Qt::endl;
        return ExitCode::Usage;
    }
    if (IsStandardInput(args[0]) && IsStandardInput(args[1])) {
        io.err << "orva-config: only one of A and B can be standard input" << Qt::endl;
        return ExitCode::Usage;
    }
    std::optional<QString> keys[2];
    if (const ExitCode read = readKeys(parser, args, keys, io); read != ExitCode::Ok)
        return read;
    T_Command_DEVICE models[2];
    const QString keyOptions[2] = {KeyAOption, KeyBOption};
    for (int i = 0; i < 2; ++i) {
        const ConfigurationInput input = ReadConfigurationInputWithKey(args[i], keys[i], keyOptions[i], io);
        if (input.exitCode != ExitCode::Ok)
            return input.exitCode;
        LoadEditorModel(input, models[i]);
    }
    const QList<FieldDifference> differences = DiffFields(models[0], models[1]);
    const ExitCode written = WriteToStandardOutput(
        parser.isSet(JsonOption) ? asJson(differences) : DifferencesAsText(differences), io);
    if (written != ExitCode::Ok)
        return written;
    return differences.isEmpty() ? ExitCode::Ok : ExitCode::Failure;
}

} // namespace orva::cli
