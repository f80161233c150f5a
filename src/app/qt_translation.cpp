#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orva {

bool InstallQtRussian(QCoreApplication &app)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    // Qt's dialogs format dates and sizes by the default locale ("19 байт", "10.12.2026 12:00").
    QLocale::setDefault(russian);
    const QString folders[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
    };
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(&app);
        if (translator->load(russian, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace orva
