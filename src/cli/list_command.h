#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config list DIR [--json]: the configuration file list of a folder, every file examined.
class ListCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("list"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override
    {
        return {ExitCode::Ok, ExitCode::Failure, ExitCode::Usage, ExitCode::Unreadable};
    }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
