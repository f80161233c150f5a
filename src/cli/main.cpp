#include "cli_app.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // Only a command that paints gets a GUI application, on the offscreen platform unless the user
    // chose one; every other command stays QtCore-only and runs without any display.
    std::unique_ptr<QCoreApplication> app;
    if (orva::cli::CommandNeedsGui(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("orva-config"));

    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return int(orva::cli::ExitCode::Failure);
    QTextStream err(stderr);
    QFile in;
    const bool hasInput = in.open(stdin, QIODevice::ReadOnly);
    orva::cli::CliStreams io{out, err, hasInput ? &in : nullptr};
    return orva::cli::RunCli(QCoreApplication::arguments(), io);
}
