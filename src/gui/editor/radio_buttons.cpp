#include "radio_buttons.h"

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

} // namespace orva
