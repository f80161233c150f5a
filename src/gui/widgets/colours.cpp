#include "widgets/colours.h"

#include <QApplication>
#include <QPalette>

namespace orva {

QColor WindowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

QColor ButtonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

} // namespace orva
