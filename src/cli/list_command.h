#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config list DIR [--json]: the configuration file list of a folder, every file examined.
class ListCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("list"); }
    QString description() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
