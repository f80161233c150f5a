#pragma once

#include "one_file_command.h"
#include "validation/validation.h"

namespace orva::cli {

// orva-config check FILE [--key KEY | --key-stdin] [--json]: runs every rule of the save-time checks on
// a configuration file or container and prints each failing rule in chain order. Exit 0 when all rules
// pass, 1 when any fails; the codes of reading a configuration otherwise.
class CheckCommand : public OneFileCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;

protected:
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;
};

// One block per failing rule: the page caption, the check and rule, the headline, then the hint indented.
QByteArray FailuresAsText(const QList<RuleFailure> &failures);

} // namespace orva::cli
