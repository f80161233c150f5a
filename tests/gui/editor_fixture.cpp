#include "editor_fixture.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTest>

namespace orva {

EditorFixture::EditorFixture(const QStringList &arguments) : previousCurrent(QDir::currentPath())
{
    QDir::setCurrent(current.path());
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

EditorFixture::~EditorFixture()
{
    window.reset();
    QDir::setCurrent(previousCurrent);
}

bool EditorFixture::ShowActive()
{
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return false;
    return QTest::qWaitFor([this] { return window->StartUpFinished(); });
}

} // namespace orva
