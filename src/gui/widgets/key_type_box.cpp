#include "widgets/key_type_box.h"

#include "device_model/page_choices.h"
#include <QAbstractItemView>
#include <QKeyEvent>

namespace orva {

KeyTypeBox::KeyTypeBox(QWidget *parent) : QComboBox(parent)
{
    addItems(ChoiceTextList(PageChoices::KeyTypes()));
    setCurrentIndex(0);
    // The open list searches its items by typed letters too.
    view()->installEventFilter(this);
}

bool KeyTypeBox::IsTypedCharacter(const QKeyEvent *event)
{
    // A character, the blank included; the editing and moving keys (arrows, Enter, Escape, Tab) carry
    // control characters or none and keep working.
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

void KeyTypeBox::keyPressEvent(QKeyEvent *event)
{
    if (IsTypedCharacter(event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool KeyTypeBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view() && event->type() == QEvent::KeyPress &&
        IsTypedCharacter(static_cast<QKeyEvent *>(event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

} // namespace orva
