#include "widgets/control_builders.h"

#include "widgets/caption_group.h"
#include "widgets/field_edit.h"
#include "widgets/up_down.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace orva {

void Place::Apply(QWidget *control) const
{
    if (!m_fitted) {
        control->setGeometry(m_rect);
        return;
    }
    control->move(m_rect.topLeft());
    control->adjustSize();
}

namespace {

// A control with a caption, named and placed.
template <typename Control>
Control *Captioned(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place)
{
    auto *control = new Control(caption, parent);
    control->setObjectName(name);
    place.Apply(control);
    return control;
}

} // namespace

QLabel *MakeLabel(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place,
                  QWidget *buddy)
{
    auto *label = Captioned<QLabel>(parent, name, caption, place);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QCheckBox *MakeCheck(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place)
{
    return Captioned<QCheckBox>(parent, name, caption, place);
}

QRadioButton *MakeRadio(QWidget *parent, QAnyStringView name, const QString &caption, const Place &place)
{
    return Captioned<QRadioButton>(parent, name, caption, place);
}

CaptionGroup *MakeGroup(QWidget *parent, QAnyStringView name, const QString &title, const QRect &geometry)
{
    return Captioned<CaptionGroup>(parent, name, title, geometry);
}

FieldEdit *MakeField(QWidget *parent, QAnyStringView name, const InputRule &rule, const QRect &geometry)
{
    auto *field = new FieldEdit(parent);
    field->setObjectName(name);
    field->setKeyFilter(rule.filter);
    field->setTypingLimit(rule.length);
    field->setGeometry(geometry);
    return field;
}

UpDown *MakeUpDown(QWidget *parent, QAnyStringView name, QLineEdit *edit, int minimum, int maximum)
{
    auto *upDown = new UpDown(parent);
    upDown->setObjectName(name);
    upDown->setAssociate(edit);
    upDown->setRange(minimum, maximum);
    const QRect field = edit->geometry();
    upDown->setGeometry(field.right() + 1, field.top(), upDown->sizeHint().width(), field.height());
    return upDown;
}

PictureButton *MakePictureButton(QWidget *parent, QAnyStringView name, int tag, GlyphLayout layout,
                                 const QRect &geometry)
{
    auto *button = new PictureButton(tag, layout, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

NumberField MakeNumberField(QWidget *parent, const NumberFieldPlan &plan)
{
    NumberField field;
    field.edit = MakeField(parent, plan.name, plan.rule, plan.geometry);
    field.upDown = MakeUpDown(parent, plan.upDownName, field.edit, plan.minimum, plan.maximum);
    field.caption = MakeLabel(parent, plan.caption.name, plan.caption.text, plan.caption.place, field.edit);
    if (!plan.unit.name.isEmpty())
        field.unit = MakeLabel(parent, plan.unit.name, plan.unit.text, plan.unit.place, field.edit);
    return field;
}

void ShowNumber(QLineEdit *edit, UpDown *upDown, qint32 value)
{
    edit->setText(QString::number(value));
    if (upDown)
        upDown->setPosition(value);
}

qint32 NumberOrZero(const QLineEdit *edit)
{
    bool ok = false;
    const qint32 value = edit->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace orva
