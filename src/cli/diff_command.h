#pragma once

#include "check_command.h"

namespace orva::cli {

// orva-config diff A B [--key-a K] [--key-b K] [--json]: the fields whose shown values differ. Exit 0
// when none differs, 1 when some do; a file that cannot be read gives ExitUnreadable (1 means
// "different" here), a container that does not decode its own code.
class DiffCommand : public CliCommand
{
public:
    static constexpr int ExitUnreadable = CheckCommand::ExitUnreadable; // the same code as `check`

    QString name() const override { return QStringLiteral("diff"); }
    QString description() const override;
    QString helpDetails() const override;
    void configure(QCommandLineParser &parser) const override;
    int execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

} // namespace orva::cli
