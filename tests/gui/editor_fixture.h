#pragma once

#include "scripted_questions.h"

#include "device_model/device.h"
#include "frame/main_window.h"
#include "random/program_random.h"
#include "storage/program_settings.h"

#include <QTemporaryDir>

#include <memory>

namespace orva {

// A main window on its own models, with a scripted answerer and settings in a temporary file. While the
// fixture lives, the current folder is an empty temporary folder (`current`), where the start-up load
// looks for config.ini and config.cry.
struct EditorFixture
{
    EditorFixture(const QStringList &arguments = {});
    ~EditorFixture();

    // Shows the window, waits until it is active and its start-up load has finished, and returns
    // whether both happened.
    bool ShowActive();

    QTemporaryDir dir;
    QTemporaryDir current;
    QString previousCurrent;
    T_Command_DEVICE working;
    T_Command_DEVICE list;
    ProgramRandom random{12345};
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TForm2> window;
    ScriptedQuestions *questions = nullptr; // owned by the window
};

// A page of the window as its own class, for tests that reach into one page.
template <typename P> P *PageAs(const TForm2 &window, PageSlot slot)
{
    return static_cast<P *>(window.Page(slot));
}

namespace test {

// A control of the main window by its objectName.
template <typename T> T *Find(const TForm2 &window, const QString &name)
{
    return window.findChild<T *>(name);
}

} // namespace test

} // namespace orva
