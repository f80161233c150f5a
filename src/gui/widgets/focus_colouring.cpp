#include "widgets/focus_colouring.h"

#include "widgets/colours.h"
#include "widgets/static_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>

namespace orva {
namespace {

// ButtonFaced: fills its background from its own role; WindowColoured: the base role; TabFaced: a tab
// bar, whose tabs are drawn with the button role.
enum class Kind { Other, ButtonFaced, WindowColoured, TabFaced };

const char *const NormalColourProperty = "orvaNormalColour";

Kind KindOf(const QWidget *w)
{
    if (!w || qobject_cast<const StaticText *>(w))
        return Kind::Other;
    if (qobject_cast<const QLabel *>(w) || qobject_cast<const QRadioButton *>(w) ||
        qobject_cast<const QCheckBox *>(w) || qobject_cast<const QSlider *>(w))
        return Kind::ButtonFaced;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
        qobject_cast<const QComboBox *>(w) || qobject_cast<const QPlainTextEdit *>(w))
        return Kind::WindowColoured;
    if (qobject_cast<const QTabBar *>(w))
        return Kind::TabFaced;
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
    // Check boxes and radio buttons fill their background from their own role (the button colour), labels
    // and track bars from the window colour: the role the control paints with is the one to colour.
    const QPalette::ColorRole role = kind == Kind::ButtonFaced ? control->backgroundRole()
                                     : kind == Kind::TabFaced  ? QPalette::Button
                                                               : QPalette::Base;
    // A combo box without an entry field draws its face with the button colour.
    const bool combo = qobject_cast<QComboBox *>(control) != nullptr;
    QPalette palette = control->palette();
    const QVariant own = control->property(NormalColourProperty);

    if (mode == HighlightMode::Unfocused && !own.isValid()) {
        // The look of a control that never had the focus: the colours it inherits in every colour group
        // (a disabled field keeps its disabled shade), and no background of its own for the button-faced
        // kinds, which show their parent's background when untouched.
        const QPalette inherited = control->parentWidget() && kind == Kind::ButtonFaced
                                       ? control->parentWidget()->palette()
                                       : QApplication::palette(control);
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            palette.setColor(g, role, inherited.color(g, role));
            if (combo)
                palette.setColor(g, QPalette::Button, inherited.color(g, QPalette::Button));
        }
        control->setPalette(palette);
        if (kind == Kind::ButtonFaced)
            control->setAutoFillBackground(false);
        return;
    }

    const QColor c = mode == HighlightMode::Focused     ? Colours::Focused
                     : mode == HighlightMode::Unfocused ? own.value<QColor>()
                                                        : colour;
    palette.setColor(role, c);
    if (combo)
        palette.setColor(QPalette::Button, c);
    control->setPalette(palette);
    // Button-faced controls paint their background only when asked to.
    if (kind == Kind::ButtonFaced)
        control->setAutoFillBackground(true);
}

void SetNormalColour(QWidget *control, const QColor &colour)
{
    control->setProperty(NormalColourProperty, colour);
    HighlightFocus(control, HighlightMode::Unfocused);
}

QColor HighlightedColour(const QWidget *control)
{
    switch (KindOf(control)) {
    case Kind::ButtonFaced:
        return control->palette().color(control->backgroundRole());
    case Kind::TabFaced:
        return control->palette().color(QPalette::Button);
    default:
        return control->palette().color(QPalette::Base);
    }
}

} // namespace orva
