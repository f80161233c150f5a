#pragma once

#include "check_command.h"

namespace orva::cli {

// orva-config diff A B [--key-a K] [--key-b K | --keys-stdin] [--json]: the fields whose shown values
// differ. Exit 0 when none differs, 1 when some do; the codes of reading a configuration otherwise.
class DiffCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("diff"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
