#pragma once

#include "check_command.h"

namespace orva::cli {

// orva-config audit DIR [--json]: what is wrong in each configuration of a folder and across them.
// Exit 0 when nothing is found, 1 when something is, Unreadable when DIR is no folder.
class AuditCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("audit"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override
    {
        return {ExitCode::Ok, ExitCode::Failure, ExitCode::Usage, ExitCode::Unreadable};
    }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
