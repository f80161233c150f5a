#include "exit_codes_command.h"

#include "field_commands.h"

namespace orva::cli {
namespace {
constexpr QLatin1StringView MarkdownOption("markdown");
constexpr QLatin1StringView ManualOption("manual");
} // namespace

ExitCodesCommand::ExitCodesCommand(QList<CommandExitCodes> commands) : m_commands(std::move(commands))
{
    m_commands.append({name(), exitCodes()});
}

QString ExitCodesCommand::description() const
{
    return QStringLiteral("List every exit code and what it means for each command.");
}

void ExitCodesCommand::configure(QCommandLineParser &parser) const
{
    parser.addOption(QCommandLineOption(MarkdownOption, QStringLiteral("Print a Markdown table.")));
    parser.addOption(QCommandLineOption(
        ManualOption, QStringLiteral("Print the manual page's EXIT STATUS section (troff).")));
}

ExitCode ExitCodesCommand::execute(const QCommandLineParser &parser, CliStreams &io) const
{
    if (parser.positionalArguments().size() > 1) {
        io.err << "orva-config: exit-codes takes no arguments" << Qt::endl;
        return ExitCode::Usage;
    }
    if (parser.isSet(MarkdownOption) && parser.isSet(ManualOption)) {
        io.err << "orva-config: give --markdown or --manual, not both" << Qt::endl;
        return ExitCode::Usage;
    }
    const QString text = parser.isSet(MarkdownOption) ? ExitCodesMarkdown(m_commands)
                         : parser.isSet(ManualOption) ? ExitCodesManual(m_commands)
                                                      : ExitCodesText(m_commands);
    return WriteToStandardOutput(text.toUtf8(), io);
}

} // namespace orva::cli
