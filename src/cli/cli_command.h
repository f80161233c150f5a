#pragma once

#include "exit_codes.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QTextStream>

#include <optional>

namespace orva::cli {

// Where a command reads and writes: `out` receives the command's output bytes (a configuration text is
// binary Windows-1251), `err` the messages for the user; `in` is standard input (for --key-stdin and the
// FILE "-"), or null where there is none. `outIsTerminal` is true when `out` shows on a terminal, where
// binary output does not belong. Every byte for `out` goes through WriteToStandardOutput, which notes the
// first write that fails in `outputError`; RunCli checks it once before the exit.
struct CliStreams
{
    QIODevice &out;
    QTextStream &err;
    QIODevice *in = nullptr;
    bool outIsTerminal = false;
    std::optional<QString> outputError = std::nullopt;
};

// One command of orva-config: its name and description, its options, and what it does.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    virtual QString description() const = 0;
    // The exit codes the command returns, for its --help and `orva-config exit-codes`.
    virtual QList<ExitCode> exitCodes() const = 0;
    // True for a command that paints (fonts, PDF): it needs a QGuiApplication, the others QtCore only.
    virtual bool needsGui() const { return false; }
    // Adds the command's options and positional arguments.
    virtual void configure(QCommandLineParser &parser) const = 0;
    virtual ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const = 0;
};

// Writes `bytes` to standard output (io.out). A write that fails is noted once in io.outputError and
// nothing more is written; the result is ExitCode::OutputFailed then, else Ok.
ExitCode WriteToStandardOutput(QByteArrayView bytes, CliStreams &io);
// Writes `bytes` to the file named by the -o option (atomically), or to standard output without it.
ExitCode WriteOutput(const QCommandLineParser &parser, const QByteArray &bytes, CliStreams &io);
// The -o/--output option shared by the commands that produce a configuration text.
void AddOutputOption(QCommandLineParser &parser);
// True when -o names the file to write; standard output is written otherwise.
bool WritesOutputFile(const QCommandLineParser &parser);

// `text` split at blanks into lines of at most `width` characters (a longer word gets a line of its own).
QStringList WrapWords(const QString &text, qsizetype width);

} // namespace orva::cli
