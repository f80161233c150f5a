#include "frame/control_binder.h"

#include "widgets/accessible_names.h"
#include "widgets/focus_binding.h"
#include "widgets/radio_tab_stops.h"
#include "widgets/up_down.h"

#include <QLineEdit>

namespace orva {
namespace {

const char *const SlotProperty = "orvaPageSlot";

} // namespace

ControlBinder::ControlBinder(QObject *parent) : QObject(parent), m_focus(new FocusBinding(this))
{
    connect(m_focus, &FocusBinding::Entered, this, &ControlBinder::Remember);
}

void ControlBinder::Bind(QWidget *root, PageSlot slot)
{
    root->setProperty(SlotProperty, static_cast<int>(slot));
    const auto children = root->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->setProperty(SlotProperty, static_cast<int>(slot));
    m_focus->Bind(root);
    KeepRadioTabStops(root);
    NameControlsByLabels(root);
    // An up-down is announced as the stepper of its field.
    const auto upDowns = root->findChildren<UpDown *>();
    for (UpDown *upDown : upDowns) {
        if (upDown->accessibleName().isEmpty() && upDown->associate())
            upDown->setAccessibleName(upDown->associate()->accessibleName() + QStringLiteral(": изменить"));
    }
}

void ControlBinder::BindOutsidePages(QWidget *root)
{
    m_focus->Bind(root);
}

void ControlBinder::Remember(QWidget *control)
{
    const QVariant slot = control->property(SlotProperty);
    if (slot.isValid())
        m_lastFocused[slot.toInt()] = control;
}

QWidget *ControlBinder::LastFocused(PageSlot slot) const
{
    return m_lastFocused[static_cast<int>(slot)];
}

void ControlBinder::RestoreTabFocus(PageSlot slot)
{
    QPointer<QWidget> &remembered = m_lastFocused[static_cast<int>(slot)];
    if (remembered && remembered->focusPolicy() != Qt::NoFocus && remembered->isEnabled() &&
        remembered->isVisible())
        remembered->setFocus(Qt::OtherFocusReason);
    else
        remembered = nullptr;
}

} // namespace orva
