#pragma once

#include <QList>

class QRadioButton;

namespace orva {

// Unticks every button of the list. Radio buttons of one parent exclude each other and refuse to untick
// the ticked one, so their exclusivity is lifted for the moment. Unticking runs no click handler.
void UntickAll(const QList<QRadioButton *> &buttons);

} // namespace orva
