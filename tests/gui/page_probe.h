#pragma once

#include "../support/typing.h"
#include "editor_fixture.h"

#include "config_text/text_utils.h"
#include "storage/config_file.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

namespace orva::test {

// Reads a configuration fixture the way opening a file reads it and redraws every page.
inline bool OpenFixture(EditorFixture &f, const QString &relativePath)
{
    const FileReadResult read = ReadFileBytes(QStringLiteral(ORVA_FIXTURES_DIR "/") + relativePath);
    if (!read.ok)
        return false;
    LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), f.working);
    f.window->Redraw_All();
    return true;
}

// Reads configuration lines (into a model reset to its defaults) and redraws every page.
inline void OpenLines(EditorFixture &f, const QStringList &lines)
{
    LoadConfigurationText(NormalizeLineBreaks(QString(lines.join(u'\n') + u'\n')), f.working);
    f.window->Redraw_All();
}

// Shows the window, makes `page` the current page and waits until the window is active.
inline bool ShowPage(EditorFixture &f, const QString &page)
{
    if (!f.ShowActive())
        return false;
    QWidget *tab = Find<QWidget>(*f.window, page);
    if (!tab)
        return false;
    f.window->PagesParam()->setCurrentWidget(tab);
    return f.window->PagesParam()->currentWidget() == tab;
}

// Gives the control the focus as a click or Tab would and waits for the focus to arrive.
inline bool Enter(QWidget *control)
{
    control->setFocus(Qt::TabFocusReason);
    return QTest::qWaitFor([control] { return QApplication::focusWidget() == control; }, 1000);
}

} // namespace orva::test
