#pragma once

#include "pages/page_slot.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

namespace orva {

// Binds the main window's controls to its shared handlers in one place: entering a control remembers
// it in its page's LastFocused slot and colours it yellow (Event_Enter<Page>), leaving it gives it its
// normal colour (Event_Exit), a click on a label enters its field (Event_LabelClick), a press on an
// up-down puts the focus into its field (Event_UpDownMouseDown), and entering a picture button on a page
// remembers it as well (Event_ButtonEnterGPRS; its face follows the focus through BindButtonFaces).
class ControlBinder : public QObject
{
    Q_OBJECT
public:
    explicit ControlBinder(QObject *parent = nullptr);

    // Binds `root` and everything inside it to the page slot.
    void Bind(QWidget *root, PageSlot slot);

    QWidget *LastFocused(PageSlot slot) const;
    // Gives the focus back to the page's remembered control when it can still take it (a windowed,
    // enabled and visible control); otherwise the slot is cleared.
    void RestoreTabFocus(PageSlot slot);

    // Event_LabelClick: enters the label's field when it is set, enabled and visible.
    static void Event_LabelClick(QWidget *label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BindOne(QWidget *control, PageSlot slot);
    void Event_Enter(QWidget *control);
    void Event_Exit(QWidget *control);

    std::array<QPointer<QWidget>, PageSlotCount> m_lastFocused;
    QPointer<QWidget> m_highlighted;
};

} // namespace orva
