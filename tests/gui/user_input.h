#pragma once

// The window as a user drives it: a configuration file opened at start-up, clicks at a control's own
// rectangle (a tab of the page bar, a check box's indicator, a list row's tick box), typing, Tab, and
// "Сохранить" with the lines of the file it writes.
#include "editor_fixture.h"
#include "file_helpers.h"
#include "list_clicks.h"

#include "config_text/win1251_codec.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace orva::test {

// Starts the window with the lines as ./config.ini, as the program opens a file at start-up.
inline bool StartWithLines(EditorFixture &f, const QStringList &lines)
{
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QByteArray bytes = EncodeWindows1251(text).bytes;
    return WriteBytes(f.current.filePath(QStringLiteral("config.ini")), bytes) && f.ShowActive();
}

// A click on the page's tab in the tab bar.
inline bool ClickTab(EditorFixture &f, const QString &page)
{
    QTabWidget *pages = f.window->PagesParam();
    const int index = pages->indexOf(f.window->findChild<QWidget *>(page));
    if (index < 0)
        return false;
    QTabBar *bar = pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return pages->currentIndex() == index;
}

// A click into the middle of a control.
inline void ClickAt(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Selects the field's whole text with the keys: End, then Shift+Home.
inline void SelectAllText(QLineEdit *field)
{
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
}

// A double click on a row's tick box as the window system delivers it: press, release, double click,
// release.
inline void DoubleClickTick(QListWidget *list, int row)
{
    const QPoint at = TickCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// A click and a double click as the window system delivers them: each press goes to whatever control is
// under the pointer at that moment, so a second press lands where the first click's changes put things.
// `at` is a point of `control`.
inline void ClickInWindow(QWidget *control, QPoint at)
{
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(control->window(), at));
}

// Press, release, press (the double click), release.
inline void DoubleClickInWindow(QWidget *control, QPoint at)
{
    QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {},
                       control->mapTo(control->window(), at));
}

// Clicks "Сохранить"; the scripted answers `before` go to the boxes the checks show first, then the
// save dialog gets a file in the fixture's folder and the information box is closed. Returns the lines
// of the saved file without their fill blanks, or nothing when no file was written.
inline QStringList SaveLines(EditorFixture &f, const QList<int> &before = {})
{
    const QString path = f.dir.filePath(QStringLiteral("saved.ini"));
    QFile::remove(path);
    for (const int answer : before)
        f.questions->Then(answer);
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    const QByteArray bytes = ReadBytes(path);
    if (bytes.isEmpty())
        return {};
    QStringList lines = DecodeWindows1251(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        while (line.endsWith(u' '))
            line.chop(1);
    }
    return lines;
}

// The saved lines of one command code (the code and an instance number or "-" after it).
inline QStringList LinesOf(const QStringList &lines, const QString &code)
{
    QStringList found;
    for (const QString &line : lines) {
        if (!line.startsWith(code))
            continue;
        const QChar next = line.size() > code.size() ? line.at(code.size()) : QChar();
        if (next == u'-' || next.isDigit())
            found.append(line);
    }
    return found;
}

} // namespace orva::test
