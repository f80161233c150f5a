#include "field_commands.h"

#include "configuration_input.h"
#include "fields/field_catalogue.h"
#include "terminal_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orva::cli {
namespace {

constexpr QLatin1StringView JsonOption("json");

QString whereText(const Field &field)
{
    const CommandRow &row = CommandRowOf(field.code);
    const QString instance = row.hasSeveralInstances() ? QString::number(field.instance) : QString();
    return row.code.toString() + instance + u" parameter " + QString::number(field.parameter);
}

QString choicesText(const Field &field)
{
    QStringList texts;
    for (const ChoiceText &choice : field.choices)
        texts.append(QString::number(choice.value) + u' ' + choice.text);
    return texts.join(QStringLiteral("; "));
}

// The values a field takes: a range and default, the choices, the numbers of a list, or what its entry
// field takes.
QString valuesText(const Field &field)
{
    switch (field.kind) {
    case FieldKind::Number:
        return QStringLiteral("%1..%2, default %3")
            .arg(QString::number(field.min()), QString::number(field.max()),
                 QString::number(field.defaultValue()));
    case FieldKind::Choice:
    case FieldKind::KeyType:
        return choicesText(field);
    case FieldKind::List:
        return QStringLiteral("up to %1 numbers 1..%2").arg(T_Command::ItemCount).arg(field.listMax);
    default:
        return InputRuleText(field.rule);
    }
}

QJsonObject fieldJson(const Field &field)
{
    QJsonObject object{
        {QStringLiteral("id"), field.id},
        {QStringLiteral("page"), field.pageCaption},
        {QStringLiteral("field"), field.caption},
        {QStringLiteral("command"), CommandRowOf(field.code).code.toString()},
        {QStringLiteral("instance"), field.instance},
        {QStringLiteral("parameter"), field.parameter},
        {QStringLiteral("kind"), FieldKindName(field.kind)},
    };
    if (field.kind == FieldKind::Number) {
        object.insert(QStringLiteral("min"), field.min());
        object.insert(QStringLiteral("max"), field.max());
        object.insert(QStringLiteral("default"), field.defaultValue());
    }
    if (!field.choices.empty()) {
        QJsonArray choices;
        for (const ChoiceText &choice : field.choices)
            choices.append(QJsonObject{{QStringLiteral("value"), choice.value},
                                       {QStringLiteral("text"), choice.text.toString()}});
        object.insert(QStringLiteral("choices"), choices);
    }
    if (field.kind == FieldKind::List)
        object.insert(QStringLiteral("listMax"), field.listMax);
    if (field.rule.length > 0)
        object.insert(QStringLiteral("maxLength"), field.rule.length);
    if (const QString takes = InputRuleText(field.rule); !takes.isEmpty())
        object.insert(QStringLiteral("takes"), takes);
    return object;
}

QByteArray catalogueText()
{
    QString text;
    for (const Field &field : FieldCatalogue()) {
        text += field.id + u'\t' + field.pageCaption + u'\t' + field.caption + u'\t' + whereText(field) +
                u'\t' + FieldKindName(field.kind);
        const QString values = valuesText(field);
        if (!values.isEmpty())
            text += u'\t' + values;
        text += u'\n';
    }
    return text.toUtf8();
}

QByteArray catalogueJson()
{
    QJsonArray array;
    for (const Field &field : FieldCatalogue())
        array.append(fieldJson(field));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray shownText(const QList<ShownField> &fields)
{
    QString text;
    for (const ShownField &shown : fields) {
        text += FieldPath(*shown.field) + u':';
        if (!shown.value.isEmpty())
            text += u' ' + TerminalText(shown.value);
        text += u'\n';
    }
    return text.toUtf8();
}

QByteArray shownJson(const QList<ShownField> &fields)
{
    QJsonArray array;
    for (const ShownField &shown : fields) {
        array.append(QJsonObject{{QStringLiteral("id"), shown.field->id},
                                 {QStringLiteral("page"), shown.field->pageCaption},
                                 {QStringLiteral("field"), shown.field->caption},
                                 {QStringLiteral("value"), shown.value}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace

QString FieldPath(const Field &field)
{
    return field.pageCaption + u" / " + field.caption;
}

QString FieldsCommand::description() const
{
    return QStringLiteral(
        "List every field the editor's pages show, in page order: its id (for show, diff and set), the "
        "page and field captions, the command, instance and parameter it lives in, its kind, and its range "
        "and default, its choices, or what its entry field takes (length and characters). Tab-separated "
        "UTF-8 lines, or a JSON array with --json.");
}

void FieldsCommand::configure(QCommandLineParser &parser) const
{
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print a JSON array of objects with id, page, field, command, instance, "
                                   "parameter, kind and, where they apply, min, max, default, choices, "
                                   "listMax, maxLength and takes (what the entry field takes).")));
}

ExitCode FieldsCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    if (parser.positionalArguments().size() > 1) {
        io.err << "orva-config: fields takes no arguments" << Qt::endl;
        return ExitCode::Usage;
    }
    return WriteToStandardOutput(parser.isSet(JsonOption) ? catalogueJson() : catalogueText(), io);
}

QString ShowCommand::description() const
{
    return QStringLiteral(
        "Show every field of a configuration, page by page, as the editor shows it after opening the file "
        "(with the forms its pages store): one line \"page / field: value\" per field (UTF-8), or with "
        "--json an array of objects with id, page, field and value. An encrypted container is decrypted "
        "with --key or --key-stdin first.");
}

void ShowCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration to show."));
    AddKeyOptions(parser);
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print a JSON array of objects with id, page, field and value.")));
}

ExitCode ShowCommand::run(const QCommandLineParser &parser, const QString &, const ConfigurationInput &input,
                          CliStreams &io) const
{
    T_Command_DEVICE model;
    LoadEditorModel(input, model);
    const QList<ShownField> fields = ShowFields(model);
    return WriteToStandardOutput(parser.isSet(JsonOption) ? shownJson(fields) : shownText(fields), io);
}

} // namespace orva::cli
