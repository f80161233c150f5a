#include "focus_colouring.h"

#include "colours.h"
#include "static_text.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QSlider>

namespace orva {
namespace {

enum class Kind { Other, ButtonFaced, WindowColoured };

const char *const NormalColourProperty = "orvaNormalColour";

Kind KindOf(const QWidget *w)
{
    if (!w || qobject_cast<const StaticText *>(w))
        return Kind::Other;
    if (qobject_cast<const QLabel *>(w) || qobject_cast<const QRadioButton *>(w) ||
        qobject_cast<const QCheckBox *>(w) || qobject_cast<const QSlider *>(w))
        return Kind::ButtonFaced;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
        qobject_cast<const QComboBox *>(w))
        return Kind::WindowColoured;
    return Kind::Other;
}

} // namespace

bool IsHighlightable(const QWidget *control)
{
    return KindOf(control) != Kind::Other;
}

void HighlightFocus(QWidget *control, HighlightMode mode, const QColor &colour)
{
    const Kind kind = KindOf(control);
    if (kind == Kind::Other)
        return;
    QColor c = colour;
    if (mode == HighlightMode::Focused)
        c = Colours::Focused;
    else if (mode == HighlightMode::Unfocused) {
        const QVariant own = control->property(NormalColourProperty);
        c = own.isValid()               ? own.value<QColor>()
            : kind == Kind::ButtonFaced ? ButtonFaceColour()
                                        : WindowColour();
    }

    QPalette palette = control->palette();
    if (kind == Kind::ButtonFaced) {
        // Labels, boxes and track bars paint their background only when asked to.
        palette.setColor(QPalette::Window, c);
        control->setAutoFillBackground(true);
    } else {
        palette.setColor(QPalette::Base, c);
        // A combo box without an entry field draws its face with the button colour.
        if (qobject_cast<QComboBox *>(control))
            palette.setColor(QPalette::Button, c);
    }
    control->setPalette(palette);
}

void SetNormalColour(QWidget *control, const QColor &colour)
{
    control->setProperty(NormalColourProperty, colour);
    HighlightFocus(control, HighlightMode::Unfocused);
}

QColor HighlightedColour(const QWidget *control)
{
    return KindOf(control) == Kind::ButtonFaced ? control->palette().color(QPalette::Window)
                                                : control->palette().color(QPalette::Base);
}

} // namespace orva
