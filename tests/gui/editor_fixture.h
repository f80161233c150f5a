#pragma once

#include "scripted_questions.h"

#include "device_model/device.h"
#include "editor/main_window.h"
#include "random/program_random.h"
#include "storage/program_settings.h"

#include <QTemporaryDir>

#include <memory>

namespace orva {

// A main window on its own models, with a scripted answerer and settings in a temporary file.
struct EditorFixture
{
    EditorFixture(const QStringList &arguments = {});

    // Shows the window, waits until it is active and returns whether it became so.
    bool ShowActive();

    QTemporaryDir dir;
    T_Command_DEVICE working;
    T_Command_DEVICE list;
    ProgramRandom random{12345};
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TForm2> window;
    ScriptedQuestions *questions = nullptr; // owned by the window
};

} // namespace orva
