#include "widgets/page_fields.h"

#include "widgets/up_down.h"

#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QLabel>

namespace orva {

FieldEdit *MakeField(QWidget *parent, const QString &name, KeyFilter filter, int limit)
{
    auto *edit = new FieldEdit(parent);
    edit->setObjectName(name);
    edit->setKeyFilter(filter);
    edit->setTypingLimit(limit);
    return edit;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &caption, QWidget *field, int x, int y)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(field);
    label->move(x, y);
    label->adjustSize();
    return label;
}

UpDown *MakeUpDown(QWidget *parent, const QString &name, QLineEdit *edit, int minimum, int maximum)
{
    auto *upDown = new UpDown(parent);
    upDown->setObjectName(name);
    upDown->setAssociate(edit);
    upDown->setRange(minimum, maximum);
    const QRect field = edit->geometry();
    upDown->setGeometry(field.right() + 1, field.top(), upDown->sizeHint().width(), field.height());
    return upDown;
}

QCheckBox *MakeCheckBox(QWidget *parent, const QString &name, const QString &caption, int x, int y)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->move(x, y);
    box->adjustSize();
    return box;
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
