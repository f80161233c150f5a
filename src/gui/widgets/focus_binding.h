#pragma once

class QLabel;
class QWidget;

namespace orva {

// Colours the control yellow while it has the focus and gives it its normal background when the focus
// moves to another control. Losing the focus because the window lost it (another window, a modal box,
// a popup) keeps the colour, so the user still sees where he was.
void BindFocusColouring(QWidget *control);

// A click on the label enters its field (the label's buddy) when that field is enabled and visible.
void BindLabelClick(QLabel *label);
// What a label click does: the label's field takes the focus with its text selected, as Tab gives it.
void EnterLabelField(QLabel *label);

// True when a focus change of this reason only reflects the window losing or regaining activation.
bool IsWindowFocusChange(int reason);

} // namespace orva
