#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

namespace orva {

// The one focus mechanism of every window, the main window and its dialogs alike. Entering a control
// colours it yellow; leaving it gives it its normal colour, except when the focus only left because the
// window lost it (another window, a modal box, a popup), so the user still sees where he was; a control
// left while its window was inactive loses its colour when the next control is entered. A click on a
// label enters its field, a press on an up-down puts the focus into its field, and the mouse wheel
// changes a combo box only while it has the focus (a wheel over the delivery box changed every connected
// phone's messages). A window keeps one binding for all its controls.
class FocusBinding : public QObject
{
    Q_OBJECT
public:
    explicit FocusBinding(QObject *parent = nullptr);

    // Binds `root` and every control inside it.
    void Bind(QWidget *root);

Q_SIGNALS:
    // A bound control took the focus (picture buttons too, which are not coloured).
    void Entered(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BindOne(QWidget *control);
    void Enter(QWidget *control);
    void Exit(QWidget *control);

    QPointer<QWidget> m_highlighted;
};

// Gives `window` its binding (owned by the window) and binds all its controls.
FocusBinding *BindFocus(QWidget *window);

// What a label click does: the label's field (its buddy) takes the focus with its text selected, as
// Tab gives it, when that field is enabled and visible.
void EnterLabelField(QLabel *label);

// True when a focus change of this reason only reflects the window losing or regaining activation.
bool IsWindowFocusChange(int reason);

} // namespace orva
