#include "editor_fixture.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

namespace orva {

EditorFixture::EditorFixture(const QStringList &arguments)
{
    store = std::make_unique<SettingsStore>(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat),
        dir.path() + u'/');
    window = std::make_unique<TForm2>();
    auto scripted = std::make_unique<ScriptedQuestions>();
    questions = scripted.get();
    window->SetQuestions(std::move(scripted));
    window->AttachModels(&working, &list, &random);
    window->SetSettingsStore(store.get());
    window->SetArguments(arguments);
}

bool EditorFixture::ShowActive()
{
    window->show();
    QApplication::setActiveWindow(window.get());
    return QTest::qWaitForWindowActive(window.get());
}

} // namespace orva
