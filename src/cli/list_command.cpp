#include "list_command.h"

#include "storage/file_list.h"
#include "terminal_text.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orva::cli {
namespace {

constexpr QLatin1StringView JsonOption("json");

QString typeName(const ListRow &row)
{
    return row.type == ListFileType::Container ? QStringLiteral("container") : QStringLiteral("plain");
}

QByteArray asJson(const QList<ListRow> &rows)
{
    QJsonArray array;
    for (const ListRow &row : rows) {
        QJsonObject object{
            {QStringLiteral("type"), typeName(row)},
            {QStringLiteral("name"), row.deviceName},
            {QStringLiteral("identifier"), row.identifier},
            {QStringLiteral("file"), row.fileName},
        };
        if (row.unreadable)
            object.insert(QStringLiteral("unreadable"), true);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

// One line per file: type, device name, identifier and file name, separated by tabs.
QByteArray asText(const QList<ListRow> &rows)
{
    QString text;
    for (const ListRow &row : rows) {
        text += typeName(row) + u'\t' + TerminalText(row.deviceName) + u'\t' + TerminalText(row.identifier) +
                u'\t' + TerminalText(row.fileName);
        if (row.unreadable)
            text += QStringLiteral("\t(unreadable)");
        text += u'\n';
    }
    return text.toUtf8();
}

} // namespace

QString ListCommand::description() const
{
    return QStringLiteral(
        "List the configuration files of a folder as the editor's file list shows them: the plain files "
        "(*.ini) then the encrypted containers (*.cry), each ordered by name, no subfolders. Each line "
        "gives the type (plain or container), the device name, the GPRS identifier as 1234-5678-9ABC and "
        "the file name, separated by tabs (UTF-8). Plain files are parsed whole; containers are read from "
        "their unencrypted header, without a key. A file that cannot be read is listed as unreadable, so are "
        "a link that leads nowhere and a pipe (never waited on); a name that is not UTF-8 is shown decoded "
        "from Windows-1251. Texts with control characters are printed quoted, the characters escaped.");
}

void ListCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder to list."));
    parser.addOption(QCommandLineOption(
        JsonOption, QStringLiteral("Print a JSON array of objects with type, name, identifier and file "
                                   "(and unreadable: true for a file that cannot be read).")));
}

ExitCode ListCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() != 1) {
        io.err << "orva-config: list needs exactly one DIR" << Qt::endl;
        return ExitCode::Usage;
    }
    const QFileInfo folder(args.first());
    if (!folder.isDir()) {
        io.err << "orva-config: cannot list " << args.first() << ": not a folder" << Qt::endl;
        return ExitCode::Unreadable;
    }
    const QList<ListRow> rows = ExamineFolder(folder.filePath());
    const QByteArray output = parser.isSet(JsonOption) ? asJson(rows) : asText(rows);
    return WriteToStandardOutput(output, io);
}

} // namespace orva::cli
