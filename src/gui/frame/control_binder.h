#pragma once

#include "pages/page_slot.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

namespace orva {

class FocusBinding;

// Binds the main window's pages to the window's focus binding (colouring, label clicks, up-down presses,
// see FocusBinding) and remembers, per page, the control last entered (its LastFocused slot), picture
// buttons included. Binding a page also names its controls for screen readers and makes each radio
// group one Tab stop.
class ControlBinder : public QObject
{
    Q_OBJECT
public:
    explicit ControlBinder(QObject *parent = nullptr);

    // Binds `root` and everything inside it to the page slot.
    void Bind(QWidget *root, PageSlot slot);
    // Binds controls of the window outside the pages (the file list): coloured, but remembered by no page.
    void BindOutsidePages(QWidget *root);

    QWidget *LastFocused(PageSlot slot) const;
    // Gives the focus back to the page's remembered control when it can still take it (a windowed,
    // enabled and visible control); otherwise the slot is cleared.
    void RestoreTabFocus(PageSlot slot);

private:
    void Remember(QWidget *control);

    FocusBinding *m_focus;
    std::array<QPointer<QWidget>, PageSlotCount> m_lastFocused;
};

} // namespace orva
