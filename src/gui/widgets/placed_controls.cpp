#include "widgets/placed_controls.h"

#include "pages/page_host.h"

#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace orva {

QLabel *MakeLabel(QWidget *parent, const char16_t *name, const QString &text, const QRect &geometry,
                  QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf16(name));
    label->setGeometry(geometry);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QRadioButton *MakeRadio(QWidget *parent, const char16_t *name, const QString &text, const QRect &geometry)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromUtf16(name));
    button->setGeometry(geometry);
    return button;
}

QCheckBox *MakeCheck(QWidget *parent, const char16_t *name, const QString &text, const QRect &geometry)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromUtf16(name));
    box->setGeometry(geometry);
    return box;
}

FieldEdit *MakeField(QWidget *parent, const char16_t *name, KeyFilter filter, int typingLimit,
                     const QRect &geometry)
{
    auto *field = new FieldEdit(parent);
    field->setObjectName(QString::fromUtf16(name));
    field->setKeyFilter(filter);
    field->setTypingLimit(typingLimit);
    field->setGeometry(geometry);
    return field;
}

CaptionGroup *MakeGroup(QWidget *parent, const char16_t *name, const QString &title, const QRect &geometry)
{
    auto *group = new CaptionGroup(title, parent);
    group->setObjectName(QString::fromUtf16(name));
    group->setGeometry(geometry);
    return group;
}

void UntickRadio(QRadioButton *button)
{
    if (!button->isChecked())
        return;
    // An exclusive radio button cannot be unticked on its own.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

UpdatingScope::UpdatingScope(PageHost &host) : m_host(host), m_previous(host.isUpdating())
{
    m_host.setUpdating(true);
}

UpdatingScope::~UpdatingScope()
{
    m_host.setUpdating(m_previous);
}

} // namespace orva
