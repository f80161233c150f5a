#include "widgets/focus_binding.h"

#include "widgets/focus_colouring.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace orva {
namespace {

class FocusColouring : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn)
            HighlightFocus(w, HighlightMode::Focused);
        else if (event->type() == QEvent::FocusOut &&
                 !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason()))
            HighlightFocus(w, HighlightMode::Unfocused);
        return false;
    }
};

class LabelClick : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        auto *label = qobject_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
            EnterLabelField(label);
        return false;
    }
};

template <typename Filter> Filter *SharedFilter()
{
    // One filter object for the whole program, parented to the application.
    static Filter *filter = new Filter(qApp);
    return filter;
}

} // namespace

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

void BindFocusColouring(QWidget *control)
{
    control->installEventFilter(SharedFilter<FocusColouring>());
}

void BindLabelClick(QLabel *label)
{
    label->installEventFilter(SharedFilter<LabelClick>());
}

} // namespace orva
