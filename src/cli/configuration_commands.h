#pragma once

#include "cli_command.h"
#include "one_file_command.h"

namespace orva::cli {

// orva-config defaults: the factory configuration.
class DefaultsCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("defaults"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return {ExitCode::Ok, ExitCode::Failure, ExitCode::Usage}; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

// orva-config normalize FILE [--key KEY | --key-stdin]: a configuration file (plain, or an encrypted
// container with its key) read and written back by the format's reader and writer.
class NormalizeCommand : public OneFileCommand
{
public:
    QString name() const override { return QStringLiteral("normalize"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;

protected:
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;
};

} // namespace orva::cli
