#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config set FILE... --field ID=VALUE [--field ...] [--dry-run]: changes fields in plain
// configuration files, each written only when every save-time check passes.
class SetCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("set"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override
    {
        return {ExitCode::Ok,         ExitCode::Failure,    ExitCode::Usage,
                ExitCode::Unreadable, ExitCode::ChecksFail, ExitCode::ContainerRefused};
    }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
