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

std::optional<QString> keyOf(const QCommandLineParser &parser, const QString &option)
{
    return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
}

} // namespace

QString DiffCommand::description() const
{
    return QStringLiteral(
        "Compare two configurations field by field, as the editor shows them after opening each file, and "
        "print the fields whose values differ in page order: \"page / field: A-value → B-value\" (UTF-8), "
        "or with --json an array of objects with id, page, field, a and b. Differences of form alone "
        "(blank padding, line breaks, \".\" or \",\" in addresses, letter case of hexadecimal digits, the "
        "order of the dial phones' lines) are no differences. Encrypted containers need --key-a or --key-b.");
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
        JsonOption, QStringLiteral("Print a JSON array of objects with id, page, field, a and b.")));
}

ExitCode DiffCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() != 2) {
        io.err << "orva-config: diff needs two files, A and B" << Qt::endl;
        return ExitCode::Usage;
    }
    T_Command_DEVICE models[2];
    const QString keyOptions[2] = {KeyAOption, KeyBOption};
    for (int i = 0; i < 2; ++i) {
        const ConfigurationInput input =
            ReadConfigurationInputWithKey(args[i], keyOf(parser, keyOptions[i]), keyOptions[i], io);
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
