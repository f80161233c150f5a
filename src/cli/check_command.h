#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config check FILE [--json]: runs every rule of the save-time checks on a configuration file and
// prints each failing rule in chain order. Exit 0 when all rules pass, 1 when any fails, 3 when the file
// cannot be read.
class CheckCommand : public CliCommand
{
public:
    static constexpr int ExitUnreadable = 3;

    QString name() const override { return QStringLiteral("check"); }
    QString description() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
