#pragma once

#include "widgets/picture_button.h"

#include <initializer_list>

class QHBoxLayout;

namespace orva {

// A picture button of the small dialogs: fixed size (its face is drawn for that size), picture left of
// the caption.
PictureButton *MakeDialogButton(QWidget *parent, const QString &name, int tag,
                                const QString &hint = QString());

// The buttons side by side, spread evenly across the row.
QHBoxLayout *ButtonRow(std::initializer_list<QWidget *> buttons);

} // namespace orva
