#include "guarded_application.h"
#include "program.h"
#include "qt_translation.h"

#include "frame/start_arguments.h"
#include "orva_version.h"

#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

// --version, --help and unknown options are answered on the terminal before any window (or display)
// is needed. Returns the exit code, or nothing when the editor is to start.
std::optional<int> AnswerOnTerminal(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const orva::StartArguments start = orva::ParseStartArguments(arguments);
    using Action = orva::StartArguments::Action;
    switch (start.action) {
    case Action::Edit:
        return std::nullopt;
    case Action::Version:
        std::fputs("orva-configurator " ORVA_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    case Action::Help:
        std::fputs(orva::StartUsageText().toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    case Action::UnknownOption:
        std::fprintf(stderr, "orva-configurator: unknown option %s (a file of that name: -- %s)\n\n%s",
                     start.unknownOption.toLocal8Bit().constData(),
                     start.unknownOption.toLocal8Bit().constData(),
                     orva::StartUsageText().toLocal8Bit().constData());
        return 2;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> code = AnswerOnTerminal(argc, argv))
        return *code;
    orva::GuardedApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvek"));
    QCoreApplication::setApplicationName(QStringLiteral("PPKOPOrva"));
    // Qt's own dialogs and menus speak Russian like the rest of the program.
    orva::InstallQtRussian(app);
    // Ties the window to its desktop entry and gives it the installed icon (none when not installed).
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVA_APP_ID));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ORVA_APP_ID)));

    // The arguments after the program's own name: a file to open, or "-debug" and a file.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    orva::Program program(arguments);
    app.SetExceptionReporter([&program](const QString &what) { program.ReportException(what); });
    program.Show();
    return app.exec();
}
