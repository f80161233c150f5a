#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config exit-codes [--markdown | --manual]: what every exit code means for each command, as plain
// text, as the README's Markdown table or as the manual page's EXIT STATUS section.
class ExitCodesCommand : public CliCommand
{
public:
    // `commands`: the other commands' names and codes; this command adds its own.
    explicit ExitCodesCommand(QList<CommandExitCodes> commands);
    QString name() const override { return QStringLiteral("exit-codes"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return {ExitCode::Ok, ExitCode::Failure, ExitCode::Usage}; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;

private:
    QList<CommandExitCodes> m_commands;
};

} // namespace orva::cli
