#pragma once

#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QTextStream>

namespace orva::cli {

enum ExitCode : int {
    ExitOk = 0,
    ExitFailure = 1, // a file could not be read or written, or the input is refused
    ExitUsage = 2,   // the command line itself is wrong
    // An encrypted container that does not decode, one code per reason:
    ExitBadSignature = 3, // not a container of the panel: signature line missing or different
    ExitBadSize = 4,      // the container's size is wrong: cut short or not whole cipher blocks
    ExitEmptyKey = 5,     // the key is empty
    ExitWrongKey = 6,     // the key is wrong or the container is damaged
};

// Where a command reads and writes: `out` receives the command's output bytes (a configuration text is
// binary Windows-1251), `err` the messages for the user; `in` is standard input (for --key-stdin), or
// null where there is none.
struct CliStreams
{
    QIODevice &out;
    QTextStream &err;
    QIODevice *in = nullptr;
};

// One command of orva-config: its name and description, its options, and what it does.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    virtual QString description() const = 0;
    // More text for the command's own --help (for example its exit codes); empty by default.
    virtual QString helpDetails() const { return {}; }
    // Adds the command's options and positional arguments.
    virtual void configure(QCommandLineParser &parser) const = 0;
    virtual int execute(const QCommandLineParser &parser, CliStreams &io) const = 0;
};

// Writes `bytes` to the file named by the -o option (atomically), or to io.out without it.
int WriteOutput(const QCommandLineParser &parser, const QByteArray &bytes, CliStreams &io);
// The -o/--output option shared by the commands that produce a configuration text.
void AddOutputOption(QCommandLineParser &parser);

} // namespace orva::cli
