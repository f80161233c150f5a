#pragma once

// What the tests of the list pages (loops, relays, keys, zones) share: a main window shown on one of
// those pages, a configuration text loaded into it as the editor loads one, and the controls by name.
#include "../support/typing.h"
#include "editor_fixture.h"

#include "config_text/text_utils.h"
#include "storage/config_file.h"

#include <QTabWidget>

namespace orva {

// The folder that holds the project's Image/ with the mode pictures.
inline QString PicturesProgramFolder()
{
    return QStringLiteral(ORVA_SOURCE_DIR "/resources/");
}

using test::Type;

struct ListPageFixture : EditorFixture
{
    // Shows the window on the page `tab` with the given program folder (by default the project's
    // pictures).
    bool Start(const char *tab, const QString &programFolder = PicturesProgramFolder())
    {
        window->SetProgramFolder(programFolder);
        if (!ShowActive())
            return false;
        window->PagesParam()->setCurrentWidget(Find<QWidget>(tab));
        return window->PagesParam()->currentWidget()->objectName() == QString::fromLatin1(tab);
    }

    // Loads configuration lines (joined with line breaks) into the working model and redraws every
    // page, as opening a file does.
    void Load(const QStringList &lines)
    {
        LoadConfigurationText(NormalizeLineBreaks(QString(lines.join(u'\n') + u'\n')), working);
        window->Redraw_All();
    }

    template <typename T> T *Find(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    template <typename T> T *Find(const QString &name) const { return window->findChild<T *>(name); }
};

} // namespace orva
