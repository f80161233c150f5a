#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config set FILE... --field ID=VALUE [--field ...] [--dry-run]: changes fields in plain
// configuration files, each written only when every save-time check passes.
class SetCommand : public CliCommand
{
public:
    static constexpr int ExitContainerRefused = 11; // a container is never written by this program

    QString name() const override { return QStringLiteral("set"); }
    QString description() const override;
    QString helpDetails() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
