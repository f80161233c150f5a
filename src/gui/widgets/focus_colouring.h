#pragma once

#include <QColor>

class QWidget;

namespace orva {

enum class HighlightMode {
    Focused = 0,   // yellow
    Unfocused = 1, // the look the control has before it is ever focused (or its own normal colour)
    Given = 2,     // the colour passed in
};

// Sets the background of a control by its kind, in the colour role the control paints with: labels,
// radio buttons, check boxes and track bars show their parent's button-face background when unfocused;
// text fields, text buffers, lists, trees and combo boxes the window colour. Unfocused gives a control
// exactly the look it had before it was ever focused. Controls of other kinds (static texts, buttons,
// panels) are left as they are.
void HighlightFocus(QWidget *control, HighlightMode mode, const QColor &colour = QColor());

// Gives a control a normal background of its own instead of the one of its kind (the GSM dial lists are
// light green and light blue): the control takes it now, and HighlightFocus gives it back whenever the
// control is unfocused.
void SetNormalColour(QWidget *control, const QColor &colour);

// The background colour HighlightFocus last gave the control (or its palette's), for callers and tests.
QColor HighlightedColour(const QWidget *control);

// True when HighlightFocus colours controls of this kind.
bool IsHighlightable(const QWidget *control);

} // namespace orva
