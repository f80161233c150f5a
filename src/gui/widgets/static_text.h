#pragma once

#include <QLabel>

namespace orva {

// A text that only shows something (a headline, a status line, an example). Unlike a label it is never
// recoloured by the focus colouring and never enters a field when clicked.
class StaticText : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};

} // namespace orva
