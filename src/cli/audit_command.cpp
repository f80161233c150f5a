#include "audit_command.h"

#include "check_command.h"
#include "field_commands.h"
#include "fleet/fleet_audit.h"
#include "terminal_text.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orva::cli {
namespace {

constexpr QLatin1StringView JsonOption("json");

QJsonObject failureJson(const RuleFailure &failure)
{
    return QJsonObject{
        {QStringLiteral("check"), failure.check},
        {QStringLiteral("rule"), failure.rule},
        {QStringLiteral("pageCaption"), failure.pageCaption},
        {QStringLiteral("headline"), failure.headline},
        {QStringLiteral("hint"), failure.hint},
    };
}

QByteArray asJson(const FolderAudit &audit)
{
    QJsonArray findings;
    for (const AuditFinding &finding : audit.findings) {
        QJsonObject object{{QStringLiteral("kind"), FindingKindName(finding.kind)},
                           {QStringLiteral("files"), QJsonArray::fromStringList(finding.files)}};
        if (!finding.value.isEmpty())
            object.insert(QStringLiteral("value"), finding.value);
        if (!finding.failures.isEmpty()) {
            QJsonArray failures;
            for (const RuleFailure &failure : finding.failures)
                failures.append(failureJson(failure));
            object.insert(QStringLiteral("failures"), failures);
        }
        findings.append(object);
    }
    const QJsonObject root{{QStringLiteral("findings"), findings},
                           {QStringLiteral("plainFiles"), QJsonArray::fromStringList(audit.plainFiles)},
                           {QStringLiteral("headerOnly"), QJsonArray::fromStringList(audit.headerOnly)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// One block per finding: its kind and files (and the shared value), then a check's failing rules.
QByteArray asText(const FolderAudit &audit)
{
    QString text;
    for (const AuditFinding &finding : audit.findings) {
        text += FindingKindName(finding.kind);
        if (!finding.value.isEmpty())
            text += u' ' + TerminalText(finding.value);
        QStringList files;
        for (const QString &file : finding.files)
            files.append(TerminalText(file));
        text += u": " + files.join(QStringLiteral(", ")) + u" — " + FindingDescription(finding.kind) + u'\n';
        for (const QString &line :
             QString::fromUtf8(FailuresAsText(finding.failures)).split(u'\n', Qt::SkipEmptyParts))
            text += QStringLiteral("    ") + line + u'\n';
    }
    text += QStringLiteral("%1 plain files examined whole, %2 containers from their header (device name and "
                           "identifier), %3 findings\n")
                .arg(audit.plainFiles.size())
                .arg(audit.headerOnly.size())
                .arg(audit.findings.size());
    return text.toUtf8();
}

} // namespace

QString AuditCommand::description() const
{
    return QStringLiteral(
        "Audit the configuration files of a folder as the editor's file list finds them (*.ini, then *.cry; "
        "no subfolders). Each plain file is judged as the editor holds it after opening: its failing "
        "save-time checks (as \"check\" prints them). Across the files: two or more panels with the same "
        "GPRS identifier, the same non-zero GPRS key, the same file key or the same device name; the "
        "factory (all-zero) identifier or GPRS key while GPRS is on; panels without a file key. Containers "
        "are read from their unencrypted header (device name and identifier), without a key; one whose "
        "body is cut short or not whole cipher blocks is a finding (container-size), as no key opens it. A "
        "file that "
        "cannot be read is a finding and the audit goes on. Each finding names its files.");
}

void AuditCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder to audit."));
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print a JSON object: findings (kind, files, value, failures), plainFiles "
                                   "and headerOnly.")));
}

ExitCode AuditCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() != 1) {
        io.err << "orva-config: audit needs exactly one DIR" << Qt::endl;
        return ExitCode::Usage;
    }
    const QFileInfo folder(args.first());
    if (!folder.isDir() || !folder.isReadable()) {
        io.err << "orva-config: cannot audit " << args.first() << ": not a folder that can be read"
               << Qt::endl;
        return ExitCode::Unreadable;
    }
    const FolderAudit audit = AuditFolder(folder.filePath());
    const ExitCode written =
        WriteToStandardOutput(parser.isSet(JsonOption) ? asJson(audit) : asText(audit), io);
    if (written != ExitCode::Ok)
        return written;
    return audit.findings.isEmpty() ? ExitCode::Ok : ExitCode::Failure;
}

} // namespace orva::cli
