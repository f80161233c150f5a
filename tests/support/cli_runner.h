#pragma once
// Runs orva-config in-process with its output and messages captured.

#include "cli_app.h"
#include "file_bytes.h"

#include <QBuffer>
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

// A fixture's whole bytes.
inline QByteArray fixture(const QString &name)
{
    return ReadBytes(FixturePath(name));
}

} // namespace orva::test
