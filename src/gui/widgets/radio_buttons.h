#pragma once

#include <QList>

class QListWidget;
class QRadioButton;

namespace orva {

// Unticks every button of the list. Radio buttons of one parent exclude each other and refuse to untick
// the ticked one, so their exclusivity is lifted for the moment. Unticking runs no click handler.
void UntickAll(const QList<QRadioButton *> &buttons);

// A page's mode buttons, one per mode value.
struct ModeButton
{
    qint32 mode;
    QRadioButton *button;
};

// The button of a mode, or null when no button stands for it.
QRadioButton *ButtonOfMode(const QList<ModeButton> &modes, qint32 mode);
// The buttons alone, in their order.
QList<QRadioButton *> ButtonsOf(const QList<ModeButton> &modes);

// The 1-based number of the list's selected row (loop, relay), or 0 without a selection.
int SelectedNumber(const QListWidget *list);

} // namespace orva
