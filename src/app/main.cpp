#include "guarded_application.h"
#include "program.h"
#include "qt_translation.h"

#include <QIcon>

int main(int argc, char *argv[])
{
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
