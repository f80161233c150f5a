#include "dialogs/dialog_buttons.h"

#include <QHBoxLayout>

namespace orva {

PictureButton *MakeDialogButton(QWidget *parent, const QString &name, int tag, const QString &hint)
{
    auto *button = new PictureButton(tag, GlyphLayout::Left, parent);
    button->setObjectName(name);
    button->setFixedSize(196, 60);
    button->setToolTip(hint);
    return button;
}

QHBoxLayout *ButtonRow(std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QWidget *button : buttons) {
        row->addWidget(button);
        row->addStretch();
    }
    return row;
}

} // namespace orva
