#pragma once

#include "check_command.h"

namespace orva::cli {

// orva-config audit DIR [--json]: what is wrong in each configuration of a folder and across them.
// Exit 0 when nothing is found, 1 when something is; ExitUnreadable when DIR is no folder (1 means
// "findings" here).
class AuditCommand : public CliCommand
{
public:
    static constexpr int ExitUnreadable = CheckCommand::ExitUnreadable; // the same code as `check`

    QString name() const override { return QStringLiteral("audit"); }
    QString description() const override;
    QString helpDetails() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
