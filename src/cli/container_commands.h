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
    QString helpDetails() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
