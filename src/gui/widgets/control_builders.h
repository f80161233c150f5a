#pragma once

#include "fields/input_rules.h"
#include "widgets/picture_button.h"

#include <QAnyStringView>
#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace orva {

class CaptionGroup;
class FieldEdit;
class UpDown;

// The builders of every control the pages, dialogs and the list mode place by their coordinates. Each
// control gets its objectName (empty for the labels nobody names); a label gets the control it enters
// as its buddy. The window binds the colouring, label clicks and up-down presses once a page is built.

// Where a control goes: a whole rectangle, or only its top-left corner with the control sized to its
// caption (the field pages' labels and check boxes).
class Place
{
public:
    Place() = default;
    Place(const QRect &rect) : m_rect(rect) {}
    Place(const QPoint &corner) : m_rect(corner, QSize()), m_fitted(true) {}

    void Apply(QWidget *control) const;

private:
    QRect m_rect;
    bool m_fitted = false;
};

QLabel *MakeLabel(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place,
                  QWidget *buddy = nullptr);
QCheckBox *MakeCheck(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place);
QRadioButton *MakeRadio(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place);
CaptionGroup *MakeGroup(QWidget *parent, QAnyStringView name, const QString &title, const QRect &geometry);
// An entry field with its key filter and typing limit (0: no limit).
FieldEdit *MakeField(QWidget *parent, QAnyStringView name, const InputRule &rule, const QRect &geometry);
// An up-down right beside `edit` (placed already) and as high, stepping its number within the range.
UpDown *MakeUpDown(QWidget *parent, QAnyStringView name, QLineEdit *edit, int minimum, int maximum);
PictureButton *MakePictureButton(QWidget *parent, QAnyStringView name, int tag, GlyphLayout layout,
                                 const QRect &geometry);

// A label of a number field: its name, its text and its place.
struct FieldLabel
{
    QAnyStringView name;
    QString text;
    Place place;
};

// What a number field is made of: the digits field with its up-down on the right, its caption on the
// left and its unit (" сек.", when it has one) on the right; a click on either label enters the field.
struct NumberFieldPlan
{
    QAnyStringView name;
    QAnyStringView upDownName;
    InputRule rule; // a digits field: KeyFilter::Digital and its digits
    QRect geometry; // the field's; the up-down stands right beside it
    int minimum = 0;
    int maximum = 0;
    FieldLabel caption;
    FieldLabel unit = {}; // none without a name
};

struct NumberField
{
    FieldEdit *edit = nullptr;
    UpDown *upDown = nullptr;
    QLabel *caption = nullptr;
    QLabel *unit = nullptr;
};

// Builds the field, its up-down, its caption and its unit, in that order.
NumberField MakeNumberField(QWidget *parent, const NumberFieldPlan &plan);

// A numeric field and its up-down show a value: the edit its decimal text, the up-down its position
// (held within the up-down's own range).
void ShowNumber(QLineEdit *edit, UpDown *upDown, qint32 value);
// The number in a numeric field, 0 when the field is empty or holds no number.
qint32 NumberOrZero(const QLineEdit *edit);

} // namespace orva
