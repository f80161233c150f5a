#pragma once

#include <QString>

class QWidget;

namespace orva {

// Installs the program's accessibility interfaces of combo boxes, lists and tables (once per run; later
// calls do nothing): combo boxes are announced by their name with the current item as their value (Qt
// announces the value as the name); the items of lists and the cells of tables report themselves shown
// and focused only when the user sees them and the view has the focus (MakeListAccessible,
// MakeTableAccessible). Qt keeps the interface of a control from the first time it is asked for, which
// happens as soon as a control is named: call this before any control is made.
void InstallAccessibleControls();

// Gives every control under `root` that has no accessible name of its own the caption of the label that
// enters it (its buddy), without the closing colon, so that a screen reader announces a field by its
// label. Controls with a name of their own keep it. Two controls of one caption in different groups (the
// SIM card twins) are told apart by their group's title.
void NameControlsByLabels(QWidget *root);

// The caption of a label as an accessible name: without "&" marks, blanks at the ends and a closing ":".
QString NameFromCaption(const QString &caption);

} // namespace orva
