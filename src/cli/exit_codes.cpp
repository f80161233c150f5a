#include "exit_codes.h"

#include "cli_command.h"

#include <QMap>
#include <QRegularExpression>

namespace orva::cli {
namespace {

// What an exit code means for the commands named in `commands` (separated by blanks); a meaning with no
// commands holds for every command that returns the code and is named in no other meaning of it.
struct ExitCodeMeaning
{
    ExitCode code;
    QStringView commands;
    QStringView text;
};

using enum ExitCode;

constexpr ExitCodeMeaning Meanings[] = {
    {Ok, {}, u"done"},
    {Ok, u"check", u"every rule passes"},
    {Ok, u"diff", u"no field differs"},
    {Ok, u"audit", u"nothing found"},
    {Ok, u"save write-device", u"written"},
    {Ok, u"set",
     u"every file written (or, with --dry-run, would be); otherwise the code of the first file that "
     u"fails"},
    {Failure, {}, u"a file cannot be written"},
    {Failure, u"check", u"a rule fails"},
    {Failure, u"diff", u"some fields differ"},
    {Failure, u"audit", u"findings"},
    {Failure, u"save write-device",
     u"a file cannot be written completely (write-protected, no space): a file that was there stays byte for "
     u"byte as it was"},
    {Failure, u"report", u"the record cannot be drawn, or the PDF cannot be written"},
    {Usage, {}, u"wrong command line (also: a container without --key or --key-stdin)"},
    {Usage, u"diff", u"wrong command line (also: a container without its key option)"},
    {Usage, u"report",
     u"wrong command line (also: a container without --key or --key-stdin, or no -o while standard output "
     u"is a terminal)"},
    {Usage, u"set",
     u"wrong command line: no FILE, no --field, an unknown id or a value that is no value of its "
     u"field"},
    {Usage, u"defaults list fields audit exit-codes", u"wrong command line"},
    {Usage, u"write-device",
     u"wrong command line (also: a container without --key or --key-stdin, a --disk that is empty or no "
     u"folder)"},
    {BadSignature, {}, u"not a container of the panel (signature line missing or different)"},
    {BadSize, {}, u"the container's size is wrong (cut short, no body, or not whole cipher blocks)"},
    {EmptyKey, {}, u"the key is empty"},
    {WrongKey, {}, u"the key is wrong or the container is damaged"},
    {Unreadable, {}, u"a file cannot be read (missing, no permission, a folder)"},
    {Unreadable, u"diff", u"a file cannot be read"},
    {Unreadable, u"list", u"DIR is no folder"},
    {Unreadable, u"audit", u"DIR is no folder that can be read"},
    {ChecksFail, u"save write-device",
     u"a save-time check fails (the failures are printed); nothing is written"},
    {ChecksFail, u"set",
     u"a value that its field's entry control would not take (too long, or a character the control refuses); "
     u"or a file would fail the save-time checks, or would not keep the values given; it is left unchanged"},
    {PanelArmed, u"write-device",
     u"the file's folder or the disk holds lock.txt (any letter case): the panel is armed; nothing is "
     u"written"},
    {NotVerified, u"write-device", u"config.ini on the disk reads back different from what was written"},
    {ContainerRefused, u"set",
     u"a file is an encrypted container, which this program never writes; it is left unchanged"},
    {OutputFailed,
     {},
     u"standard output cannot be written (closed, or a full disk): what was printed is lost"},
};

bool names(const ExitCodeMeaning &meaning, QStringView command)
{
    for (QStringView name : meaning.commands.split(u' ', Qt::SkipEmptyParts)) {
        if (name == command)
            return true;
    }
    return false;
}

// What `code` means for `command`; empty when the table has no meaning for it.
QString meaningOf(const QString &command, ExitCode code)
{
    QStringView general;
    for (const ExitCodeMeaning &meaning : Meanings) {
        if (meaning.code != code)
            continue;
        if (meaning.commands.isEmpty())
            general = meaning.text;
        else if (names(meaning, command))
            return meaning.text.toString();
    }
    return general.toString();
}

bool returns(const CommandExitCodes &command, ExitCode code)
{
    return command.codes.contains(code);
}

// The meanings of `code` that hold for some of `commands`, each with the names of those commands (empty
// for the meaning that holds for all other commands), in table order.
QList<std::pair<QStringList, QStringView>> usedMeanings(const QList<CommandExitCodes> &commands,
                                                        ExitCode code)
{
    QList<std::pair<QStringList, QStringView>> used;
    for (const ExitCodeMeaning &meaning : Meanings) {
        if (meaning.code != code)
            continue;
        QStringList named;
        bool someGeneral = false;
        for (const CommandExitCodes &command : commands) {
            if (!returns(command, code))
                continue;
            if (meaning.commands.isEmpty())
                someGeneral = someGeneral || meaningOf(command.command, code) == meaning.text;
            else if (names(meaning, command.command))
                named.append(command.command);
        }
        if (meaning.commands.isEmpty() ? someGeneral : !named.isEmpty())
            used.append({named, meaning.text});
    }
    return used;
}

QList<ExitCode> allCodes(const QList<CommandExitCodes> &commands)
{
    QList<ExitCode> codes;
    for (const ExitCodeMeaning &meaning : Meanings) {
        if (codes.contains(meaning.code))
            continue;
        for (const CommandExitCodes &command : commands) {
            if (returns(command, meaning.code)) {
                codes.append(meaning.code);
                break;
            }
        }
    }
    return codes;
}

// "  0  text": the code right-aligned in three columns, each text on lines of its own under the first.
QString codeLine(ExitCode code, const QStringList &texts)
{
    constexpr int Indent = 5;
    constexpr int Width = 100;
    QStringList lines;
    for (const QString &text : texts)
        lines += WrapWords(text, Width - Indent);
    return QStringLiteral("%1  ").arg(int(code), 3) + lines.join(u'\n' + QString(Indent, u' '));
}

// Options and file names as code in Markdown.
QString markdown(QStringView text)
{
    static const QRegularExpression code(QStringLiteral("(--[a-z-]+|\\b[a-z]+\\.(?:txt|ini)\\b)"));
    return text.toString().replace(code, QStringLiteral("`\\1`"));
}

QString troff(QStringView text)
{
    return text.toString().replace(u'-', QStringLiteral("\\-"));
}

} // namespace

QString ExitCodeHelp(const QString &command, const QList<ExitCode> &codes)
{
    QString help = QStringLiteral("Exit codes:");
    for (ExitCode code : codes)
        help += u'\n' + codeLine(code, {meaningOf(command, code)});
    return help;
}

QString ExitCodesText(const QList<CommandExitCodes> &commands)
{
    QString text;
    for (ExitCode code : allCodes(commands)) {
        QStringList meanings;
        for (const auto &[named, meaning] : usedMeanings(commands, code))
            meanings.append(named.isEmpty() ? meaning.toString() : named.join(u", ") + u": " + meaning);
        text += codeLine(code, meanings) + u'\n';
    }
    return text;
}

QString ExitCodesMarkdown(const QList<CommandExitCodes> &commands)
{
    QString table = QStringLiteral("| Code | Meaning |\n|---|---|\n");
    for (ExitCode code : allCodes(commands)) {
        QStringList meanings;
        for (const auto &[named, meaning] : usedMeanings(commands, code)) {
            QStringList quoted;
            for (const QString &name : named)
                quoted.append(u'`' + name + u'`');
            meanings.append(named.isEmpty() ? markdown(meaning)
                                            : quoted.join(u", ") + u": " + markdown(meaning));
        }
        table += QStringLiteral("| %1 | %2 |\n").arg(int(code)).arg(meanings.join(u"<br>"));
    }
    return table;
}

QString ExitCodesManual(const QList<CommandExitCodes> &commands)
{
    // The commands whose codes all mean the same share one list, in the order of their first command.
    QList<QString> lists;
    QMap<QString, QStringList> namesOfList;
    for (const CommandExitCodes &command : commands) {
        QString list;
        for (ExitCode code : command.codes)
            list += QStringLiteral(".TP\n.B %1\n%2\n")
                        .arg(int(code))
                        .arg(troff(meaningOf(command.command, code)));
        if (!namesOfList.contains(list))
            lists.append(list);
        namesOfList[list].append(command.command);
    }
    QString page;
    for (const QString &list : lists) {
        if (!page.isEmpty())
            page += QStringLiteral(".PP\n");
        const QStringList &group = namesOfList.value(list);
        for (qsizetype i = 0; i < group.size(); ++i) {
            const QString name = troff(group.at(i));
            if (i + 1 == group.size())
                page += QStringLiteral(".BR %1 :\n").arg(name);
            else if (i + 2 == group.size())
                page += QStringLiteral(".B %1\nand\n").arg(name);
            else
                page += QStringLiteral(".BR %1 ,\n").arg(name);
        }
        page += list;
    }
    return page;
}

} // namespace orva::cli
