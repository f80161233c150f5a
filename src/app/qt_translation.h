#pragma once

class QCoreApplication;

namespace orva {

// Loads Qt's own Russian texts (the open, save and print dialogs, the questions they ask, the context
// menus of fields) into the application and makes Russian the default locale of Qt's formatting (the
// dates and sizes in the file dialogs), so that every window speaks Russian whatever the system's
// language. Looks beside the program ("translations") first, then in Qt's translation folder; false when
// neither holds the translation (Qt's texts then stay English).
bool InstallQtRussian(QCoreApplication &app);

} // namespace orva
