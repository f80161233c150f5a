#include "check_command.h"

#include "configuration_input.h"
#include "storage/config_file.h"
#include "validation/validation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orva::cli {
namespace {

constexpr QLatin1StringView JsonOption("json");

QJsonObject toJson(const RuleFailure &failure)
{
    return QJsonObject{
        {QStringLiteral("check"), failure.check},
        {QStringLiteral("rule"), failure.rule},
        {QStringLiteral("page"), failure.page},
        {QStringLiteral("pageCaption"), failure.pageCaption},
        {QStringLiteral("headline"), failure.headline},
        {QStringLiteral("hint"), failure.hint},
        {QStringLiteral("defaultOffered"), failure.defaultOffered},
        {QStringLiteral("control"), failure.focusControl},
    };
}

QByteArray asJson(const QList<RuleFailure> &failures)
{
    QJsonArray array;
    for (const RuleFailure &failure : failures)
        array.append(toJson(failure));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace

QByteArray FailuresAsText(const QList<RuleFailure> &failures)
{
    QString text;
    for (const RuleFailure &failure : failures) {
        text += failure.pageCaption + u" [" + failure.check + u' ' + QString::number(failure.rule) + u"]: " +
                failure.headline + u"\n    " + failure.hint + u'\n';
    }
    return text.toUtf8();
}

QString CheckCommand::description() const
{
    return QStringLiteral(
        "Run every rule of the checks the editor makes before saving (in their order: indication, modes, "
        "loops, relays, SMS, SMS by keys, GSM dial, GPRS, common settings, then the texts that would not "
        "read back unchanged) on a configuration file, and print each failing rule with its page, check, "
        "rule number, headline and hint. The rules judge the configuration as the editor holds it after "
        "opening the file (with the forms its pages store); no default is applied. "
        "An encrypted container (a name ending in .cry, or a file that starts with the container's "
        "signature line) is decrypted with --key or --key-stdin first.");
}

void CheckCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file to check."));
    AddKeyOptions(parser);
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print the failing rules as a JSON array (check, rule, page, pageCaption, "
                                   "headline, hint, defaultOffered, control), in chain order.")));
}

ExitCode CheckCommand::run(const QCommandLineParser &parser, const QString &, const ConfigurationInput &input,
                           CliStreams &io) const
{
    T_Command_DEVICE model;
    LoadEditorModel(input, model);

    const QList<RuleFailure> failures = AllFailures(model);
    const QByteArray output = parser.isSet(JsonOption) ? asJson(failures) : FailuresAsText(failures);
    if (const ExitCode written = WriteToStandardOutput(output, io); written != ExitCode::Ok)
        return written;
    return failures.isEmpty() ? ExitCode::Ok : ExitCode::Failure;
}

} // namespace orva::cli
