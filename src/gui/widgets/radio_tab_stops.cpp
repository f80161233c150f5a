#include "widgets/radio_tab_stops.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>

namespace orva {
namespace {

const char *const BoundProperty = "orvaRadioTabStop";

// The radio buttons that form one group with `button`.
QList<QRadioButton *> GroupOf(QRadioButton *button)
{
    QList<QRadioButton *> members;
    if (QButtonGroup *group = button->group()) {
        for (QAbstractButton *member : group->buttons()) {
            if (auto *radio = qobject_cast<QRadioButton *>(member))
                members.append(radio);
        }
        return members;
    }
    QWidget *parent = button->parentWidget();
    if (!parent)
        return {button};
    for (QObject *child : parent->children()) {
        auto *radio = qobject_cast<QRadioButton *>(child);
        if (radio && !radio->group())
            members.append(radio);
    }
    return members;
}

bool Usable(const QRadioButton *button)
{
    return button->isEnabled() && !button->isHidden();
}

void UpdateGroup(QRadioButton *anyMember)
{
    const QList<QRadioButton *> members = GroupOf(anyMember);
    QRadioButton *stop = nullptr;
    for (QRadioButton *member : members) {
        if (member->isChecked() && Usable(member))
            stop = member;
    }
    for (QRadioButton *member : members) {
        if (!stop && Usable(member))
            stop = member;
    }
    for (QRadioButton *member : members)
        member->setFocusPolicy(member == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// The arrow keys move the choice to the next (Down, Right) or previous (Up, Left) usable button of the
// group, wrapping at its ends, as a click on that button does; the focus moves with it.
bool MoveChoice(QRadioButton *from, int key)
{
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step == 0)
        return false;
    const QList<QRadioButton *> members = GroupOf(from);
    const int at = int(members.indexOf(from));
    for (int n = 1; at >= 0 && n < members.size(); ++n) {
        QRadioButton *next = members.at((at + step * n + members.size() * n) % members.size());
        if (!Usable(next))
            continue;
        next->setFocus(Qt::TabFocusReason);
        if (!next->isChecked())
            next->click();
        return true;
    }
    return true;
}

class TabStopFollower : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            auto *radio = qobject_cast<QRadioButton *>(watched);
            if (radio && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
                return MoveChoice(radio, key->key());
            return false;
        }
        if (type == QEvent::EnabledChange || type == QEvent::ShowToParent || type == QEvent::HideToParent) {
            if (auto *radio = qobject_cast<QRadioButton *>(watched))
                UpdateGroup(radio);
        }
        return false;
    }
};

TabStopFollower *Follower()
{
    static TabStopFollower *follower = new TabStopFollower(qApp);
    return follower;
}

} // namespace

void KeepRadioTabStops(QWidget *root)
{
    const auto radios = root->findChildren<QRadioButton *>();
    for (QRadioButton *radio : radios) {
        if (radio->property(BoundProperty).toBool())
            continue;
        radio->setProperty(BoundProperty, true);
        QObject::connect(radio, &QAbstractButton::toggled, Follower(), [radio] { UpdateGroup(radio); });
        radio->installEventFilter(Follower());
    }
    for (QRadioButton *radio : radios)
        UpdateGroup(radio);
}

} // namespace orva
