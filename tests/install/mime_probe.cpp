// Prints the file type Qt's MIME database gives each file named on the command line (by name and
// content, as a Qt file manager asks), one "<file><TAB><type>" line each. The install test points the
// database at an installed tree through XDG_DATA_DIRS.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase database;
    const QStringList files = QCoreApplication::arguments().mid(1);
    for (const QString &file : files)
        out << file << '\t' << database.mimeTypeForFile(file).name() << '\n';
    return 0;
}
