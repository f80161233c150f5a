#pragma once

#include "widgets/key_filters.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace orva {

class FieldEdit;
class UpDown;

// Small builders for the controls of the field pages ("Общие", "Режимы", "Индикация", "GPRS"): every
// control gets its objectName, labels get the field they enter as their buddy. The window binds the
// colouring, label clicks and up-down presses to everything on a page once the page is built.

// An entry field with its key filter and typing limit (0: no limit).
FieldEdit *MakeField(QWidget *parent, const QString &name, KeyFilter filter, int limit);
// A label at (x, y), sized to its caption; a click on it enters `field` (none when null).
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &caption, QWidget *field, int x, int y);
// An up-down beside `edit`, stepping the number in the edit within minimum..maximum.
UpDown *MakeUpDown(QWidget *parent, const QString &name, QLineEdit *edit, int minimum, int maximum);
// A check box at (x, y) with its caption (empty for the boxes whose caption is a label beside them).
QCheckBox *MakeCheckBox(QWidget *parent, const QString &name, const QString &caption, int x, int y);

// A numeric field and its up-down show a value: the edit its decimal text, the up-down its position
// (held within the up-down's own range).
void ShowNumber(QLineEdit *edit, UpDown *upDown, qint32 value);
// The number in a numeric field, 0 when the field is empty or holds no number.
qint32 NumberOrZero(const QLineEdit *edit);

} // namespace orva
