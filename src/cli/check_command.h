#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config check FILE [--key KEY | --key-stdin] [--json]: runs every rule of the save-time checks on
// a configuration file or container and prints each failing rule in chain order. Exit 0 when all rules
// pass, 1 when any fails; the codes of reading a configuration otherwise, except that a file that cannot
// be read gives ExitUnreadable (1 means "a rule fails" here).
class CheckCommand : public CliCommand
{
public:
    static constexpr int ExitUnreadable = 7;

    QString name() const override { return QStringLiteral("check"); }
    QString description() const override;
    QString helpDetails() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
