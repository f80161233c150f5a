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
};

// Where a command writes: `out` receives the command's output bytes (a configuration text is binary
// Windows-1251), `err` the messages for the user.
struct CliStreams
{
    QIODevice &out;
    QTextStream &err;
};

// One command of orva-config: its name and description, its options, and what it does.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    virtual QString description() const = 0;
    // True for a command that paints (fonts, PDF): it needs a QGuiApplication, the others QtCore only.
    virtual bool needsGui() const { return false; }
    // Adds the command's options and positional arguments.
    virtual void configure(QCommandLineParser &parser) const = 0;
    virtual int execute(const QCommandLineParser &parser, CliStreams &io) const = 0;
};

// Writes `bytes` to the file named by the -o option (atomically), or to io.out without it.
int WriteOutput(const QCommandLineParser &parser, const QByteArray &bytes, CliStreams &io);
// The -o/--output option shared by the commands that produce a configuration text.
void AddOutputOption(QCommandLineParser &parser);

} // namespace orva::cli
