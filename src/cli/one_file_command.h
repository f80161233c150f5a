#pragma once

#include "cli_command.h"
#include "configuration_input.h"

namespace orva::cli {

// A command that reads one configuration, FILE: its execute() refuses any other number of FILEs (exit
// Usage), lets the command refuse its options first, reads FILE with the key options and hands the
// text read to run(). Every failure of reading is reported on io.err and is the command's exit code.
class OneFileCommand : public CliCommand
{
public:
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const final;

protected:
    // How FILE is read: a plain file or a container by its name or first line, unless overridden.
    virtual InputKind inputKind() const { return InputKind::Detect; }
    // Runs before FILE is read: a result other than Ok ends the command with it, FILE unread.
    virtual ExitCode beforeReading(const QCommandLineParser &parser, const QString &path,
                                   CliStreams &io) const;
    // What the command does with the configuration read from FILE (`path`).
    virtual ExitCode run(const QCommandLineParser &parser, const QString &path,
                         const ConfigurationInput &input, CliStreams &io) const = 0;
};

} // namespace orva::cli
