#pragma once

#include "cli_command.h"
#include "validation/validation.h"

namespace orva::cli {

// orva-config check FILE [--key KEY | --key-stdin] [--json]: runs every rule of the save-time checks on
// a configuration file or container and prints each failing rule in chain order. Exit 0 when all rules
// pass, 1 when any fails; the codes of reading a configuration otherwise.
class CheckCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

// One block per failing rule: the page caption, the check and rule, the headline, then the hint indented.
QByteArray FailuresAsText(const QList<RuleFailure> &failures);

} // namespace orva::cli
