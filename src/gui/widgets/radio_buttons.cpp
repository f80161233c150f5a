#include "widgets/radio_buttons.h"

#include <QListWidget>
#include <QRadioButton>

namespace orva {

void UntickAll(const QList<QRadioButton *> &buttons)
{
    for (QRadioButton *button : buttons) {
        if (!button->isChecked())
            continue;
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
}

QRadioButton *ButtonOfMode(const QList<ModeButton> &modes, qint32 mode)
{
    for (const ModeButton &m : modes) {
        if (m.mode == mode)
            return m.button;
    }
    return nullptr;
}

QList<QRadioButton *> ButtonsOf(const QList<ModeButton> &modes)
{
    QList<QRadioButton *> buttons;
    for (const ModeButton &m : modes)
        buttons.append(m.button);
    return buttons;
}

int SelectedNumber(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? 0 : list->row(selected.constFirst()) + 1;
}

} // namespace orva
