#pragma once

#include "cli_command.h"

namespace orva::cli {

// orva-config report FILE -o OUT.pdf: the printed record of a configuration file as a PDF page.
class ReportCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("report"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    bool needsGui() const override { return true; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
