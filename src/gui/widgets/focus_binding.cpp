#include "widgets/focus_binding.h"

#include "widgets/focus_colouring.h"
#include "widgets/picture_button.h"
#include "widgets/static_text.h"
#include "widgets/up_down.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace orva {

bool IsWindowFocusChange(int reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

void EnterLabelField(QLabel *label)
{
    QWidget *field = label ? label->buddy() : nullptr;
    if (!field || !field->isEnabled() || !field->isVisible())
        return;
    field->setFocus(Qt::MouseFocusReason);
    // The field's text is selected, as Tab selects it, so that typing replaces it.
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

FocusBinding::FocusBinding(QObject *parent) : QObject(parent) {}

FocusBinding *BindFocus(QWidget *window)
{
    auto *binding = new FocusBinding(window);
    binding->Bind(window);
    return binding;
}

void FocusBinding::Bind(QWidget *root)
{
    BindOne(root);
    const auto children = root->findChildren<QWidget *>();
    for (QWidget *child : children)
        BindOne(child);
}

void FocusBinding::BindOne(QWidget *control)
{
    if (auto *upDown = qobject_cast<UpDown *>(control)) {
        // The field is highlighted while its value is stepped.
        connect(upDown, &UpDown::mousePressed, this, [upDown] {
            if (QLineEdit *edit = upDown->associate(); edit && edit->isEnabled() && edit->isVisible())
                edit->setFocus(Qt::MouseFocusReason);
        });
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->focusPolicy() == Qt::WheelFocus)
        combo->setFocusPolicy(Qt::StrongFocus);
    const bool label = qobject_cast<QLabel *>(control) && !qobject_cast<StaticText *>(control);
    if (!label && control->focusPolicy() == Qt::NoFocus)
        return;
    control->installEventFilter(this);
}

bool FocusBinding::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        Enter(control);
        break;
    case QEvent::FocusOut:
        if (!IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason()))
            Exit(control);
        break;
    case QEvent::Wheel:
        if (qobject_cast<QComboBox *>(control) && !control->hasFocus()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = qobject_cast<QLabel *>(control);
        if (label && !qobject_cast<StaticText *>(label) && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint()))
            EnterLabelField(label);
        break;
    }
    default:
        break;
    }
    return false;
}

void FocusBinding::Enter(QWidget *control)
{
    Q_EMIT Entered(control);
    if (qobject_cast<PictureButton *>(control))
        return;
    // A control left while the window was inactive never saw its exit; it loses its colour now.
    if (m_highlighted && m_highlighted != control)
        HighlightFocus(m_highlighted, HighlightMode::Unfocused);
    HighlightFocus(control, HighlightMode::Focused);
    m_highlighted = control;
}

void FocusBinding::Exit(QWidget *control)
{
    if (qobject_cast<PictureButton *>(control))
        return;
    HighlightFocus(control, HighlightMode::Unfocused);
    if (m_highlighted == control)
        m_highlighted = nullptr;
}

} // namespace orva
