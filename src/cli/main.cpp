#include "cli_app.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orva-config"));

    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return orva::cli::ExitFailure;
    QTextStream err(stderr);
    QFile in;
    const bool hasInput = in.open(stdin, QIODevice::ReadOnly);
    orva::cli::CliStreams io{out, err, hasInput ? &in : nullptr};
    return orva::cli::RunCli(QCoreApplication::arguments(), io);
}
