#pragma once

#include "one_file_command.h"

namespace orva::cli {

// orva-config decrypt FILE (--key KEY | --key-stdin): the configuration text of an encrypted container,
// byte for byte as it is stored inside.
class DecryptCommand : public OneFileCommand
{
public:
    QString name() const override { return QStringLiteral("decrypt"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;

protected:
    InputKind inputKind() const override { return InputKind::Container; }
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;
};

} // namespace orva::cli
