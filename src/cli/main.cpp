#include "cli_app.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

#if defined(Q_OS_WIN)
#include <io.h>
#elif defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

bool standardOutputIsTerminal()
{
#if defined(Q_OS_WIN)
    return _isatty(_fileno(stdout)) != 0;
#elif defined(Q_OS_UNIX)
    return isatty(STDOUT_FILENO) == 1;
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // Only a command that paints gets a GUI application, on the offscreen platform unless the user
    // chose one; every other command stays QtCore-only and runs without any display.
    // Qt's GUI wants a private runtime folder; without XDG_RUNTIME_DIR it warns and makes one that stays
    // behind. A temporary one (owner only) serves this run and goes with it.
    std::optional<QTemporaryDir> runtime;
    std::unique_ptr<QCoreApplication> app;
    if (orva::cli::CommandNeedsGui(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_UNIX
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtime.emplace();
            if (runtime->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("orva-config"));

    // Standard output is written through its descriptor, unbuffered: a write that fails (a full disk,
    // a closed descriptor) fails there, where the command sees it, not in a library buffer at exit.
    QFile out;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        std::fputs("orva-config: standard output cannot be written\n", stderr);
        return int(orva::cli::ExitCode::OutputFailed);
    }
    QTextStream err(stderr);
    QFile in;
    const bool hasInput = in.open(stdin, QIODevice::ReadOnly);
    orva::cli::CliStreams io{out, err, hasInput ? &in : nullptr, standardOutputIsTerminal()};
    return orva::cli::RunCli(QCoreApplication::arguments(), io);
}
