#include "frame/control_binder.h"

#include "widgets/up_down.h"

#include "widgets/accessible_names.h"
#include "widgets/focus_binding.h"
#include "widgets/focus_colouring.h"
#include "widgets/picture_button.h"
#include "widgets/radio_tab_stops.h"
#include "widgets/static_text.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace orva {
namespace {

const char *const SlotProperty = "orvaPageSlot";

PageSlot SlotOf(const QObject *control)
{
    return static_cast<PageSlot>(control->property(SlotProperty).toInt());
}

} // namespace

ControlBinder::ControlBinder(QObject *parent) : QObject(parent) {}

void ControlBinder::Bind(QWidget *root, PageSlot slot)
{
    BindOne(root, slot);
    const auto children = root->findChildren<QWidget *>();
    for (QWidget *child : children)
        BindOne(child, slot);
    KeepRadioTabStops(root);
    NameControlsByLabels(root);
    // An up-down is announced as the stepper of its field.
    const auto upDowns = root->findChildren<UpDown *>();
    for (UpDown *upDown : upDowns) {
        if (upDown->accessibleName().isEmpty() && upDown->associate())
            upDown->setAccessibleName(upDown->associate()->accessibleName() + QStringLiteral(": изменить"));
    }
}

void ControlBinder::BindOne(QWidget *control, PageSlot slot)
{
    if (auto *upDown = qobject_cast<UpDown *>(control)) {
        // Event_UpDownMouseDown: the field is highlighted while its value is stepped.
        connect(upDown, &UpDown::mousePressed, this, [upDown] {
            if (QLineEdit *edit = upDown->associate(); edit && edit->isEnabled() && edit->isVisible())
                edit->setFocus(Qt::MouseFocusReason);
        });
        return;
    }
    // The mouse wheel changes a combo box only while it has the focus; over any other it does
    // nothing (a wheel over the delivery box changed every connected phone's messages).
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->focusPolicy() == Qt::WheelFocus)
        combo->setFocusPolicy(Qt::StrongFocus);
    const bool label = qobject_cast<QLabel *>(control) && !qobject_cast<StaticText *>(control);
    if (!label && control->focusPolicy() == Qt::NoFocus)
        return;
    control->setProperty(SlotProperty, static_cast<int>(slot));
    control->installEventFilter(this);
}

bool ControlBinder::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        Event_Enter(control);
        break;
    case QEvent::FocusOut:
        if (!IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason()))
            Event_Exit(control);
        break;
    case QEvent::Wheel:
        if (qobject_cast<QComboBox *>(control) && !control->hasFocus()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint()))
            Event_LabelClick(control);
        break;
    }
    default:
        break;
    }
    return false;
}

void ControlBinder::Event_Enter(QWidget *control)
{
    const PageSlot slot = SlotOf(control);
    m_lastFocused[static_cast<int>(slot)] = control;
    if (qobject_cast<PictureButton *>(control))
        return;
    // A control left while the window was inactive never saw its exit; it loses its colour now.
    if (m_highlighted && m_highlighted != control)
        HighlightFocus(m_highlighted, HighlightMode::Unfocused);
    HighlightFocus(control, HighlightMode::Focused);
    m_highlighted = control;
}

void ControlBinder::Event_Exit(QWidget *control)
{
    if (qobject_cast<PictureButton *>(control))
        return;
    HighlightFocus(control, HighlightMode::Unfocused);
    if (m_highlighted == control)
        m_highlighted = nullptr;
}

void ControlBinder::Event_LabelClick(QWidget *sender)
{
    auto *label = qobject_cast<QLabel *>(sender);
    if (label && !qobject_cast<StaticText *>(label))
        EnterLabelField(label);
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
