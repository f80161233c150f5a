#include "check_command.h"

#include "storage/config_file.h"
#include "validation/validation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orva::cli {
namespace {

const QString JsonOption = QStringLiteral("json");

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

// One block per failure: the page caption, the check and rule, the headline, then the hint indented.
QByteArray asText(const QList<RuleFailure> &failures)
{
    QString text;
    for (const RuleFailure &failure : failures) {
        text += failure.pageCaption + u" [" + failure.check + u' ' + QString::number(failure.rule) + u"]: " +
                failure.headline + u"\n    " + failure.hint + u'\n';
    }
    return text.toUtf8();
}

} // namespace

QString CheckCommand::description() const
{
    return QStringLiteral(
        "Run every rule of the checks the editor makes before saving (in their order: indication, modes, "
        "loops, relays, SMS, SMS by keys, GSM dial, GPRS, common settings, then the texts that would not "
        "read back unchanged) on a plain configuration file, and print each failing rule with its page, "
        "headline and hint. Every rule is judged on the file as it is; no default is applied. Exit status: "
        "0 all rules pass, 1 a rule fails, 2 wrong command line, 3 the file cannot be read.");
}

void CheckCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file to check."));
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print the failing rules as a JSON array (check, rule, page, pageCaption, "
                                   "headline, hint, defaultOffered, control), in chain order.")));
}

int CheckCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() != 1) {
        io.err << "orva-config: check needs exactly one FILE" << Qt::endl;
        return ExitUsage;
    }
    const QString &path = args.first();
    const FileReadResult read = ReadFileBytes(path);
    if (!read.ok) {
        io.err << "orva-config: cannot read " << path << ": " << read.error << Qt::endl;
        return ExitUnreadable;
    }
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), model);

    const QList<RuleFailure> failures = AllFailures(model);
    const QByteArray output = parser.isSet(JsonOption) ? asJson(failures) : asText(failures);
    if (io.out.write(output) != output.size()) {
        io.err << "orva-config: cannot write to standard output: " << io.out.errorString() << Qt::endl;
        return ExitFailure;
    }
    return failures.isEmpty() ? ExitOk : ExitFailure;
}

} // namespace orva::cli
