#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config decrypt FILE (--key KEY | --key-stdin): the configuration text of an encrypted container,
// byte for byte as it is stored inside.
class DecryptCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("decrypt"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
