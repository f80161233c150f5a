#pragma once
// Runs orva-config in-process with its output and messages captured.

#include "cli_app.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

namespace orva::test {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// `input` is what the command reads from standard input (--key-stdin); `seams` what stands in for the
// world outside the files.
inline CliRun runCli(QStringList arguments, const QByteArray &input = QByteArray(),
                     const cli::CliSeams &seams = {})
{
    CliRun run;
    QBuffer out(&run.out);
    out.open(QIODevice::WriteOnly);
    QByteArray inputBytes = input;
    QBuffer in(&inputBytes);
    in.open(QIODevice::ReadOnly);
    QTextStream err(&run.err);
    cli::CliStreams io{out, err, &in};
    arguments.prepend(QStringLiteral("orva-config"));
    run.exitCode = cli::RunCli(arguments, io, seams);
    err.flush();
    return run;
}

// A file's whole bytes; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` as the whole file; false when any of them could not be written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fixture(const QString &name)
{
    return readAll(QStringLiteral(ORVA_FIXTURES_DIR "/") + name);
}

} // namespace orva::test
