#include "widgets/accessible_names.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>

namespace orva {
namespace {

// A combo box announced by its name, with its current item as its value. Qt's own interface announces
// the current item as the name on some platforms, so that "Количество повторов" is read as "3".
class NamedComboAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(object()); }
};

QAccessibleInterface *ProgramAccessibles(const QString &, QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return new NamedComboAccessible(combo);
    return nullptr;
}

} // namespace

QString NameFromCaption(const QString &caption)
{
    QString name = caption;
    name.remove(u'&');
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

void InstallAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ProgramAccessibles);
        return true;
    }();
    Q_UNUSED(installed);
}

void NameControlsByLabels(QWidget *root)
{
    InstallAccessibleControls();

    QList<QWidget *> named;
    const auto labels = root->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        QWidget *field = label->buddy();
        if (field && field->accessibleName().isEmpty() && !NameFromCaption(label->text()).isEmpty()) {
            field->setAccessibleName(NameFromCaption(label->text()));
            named.append(field);
        }
    }
    // Twins (the same caption in the groups of SIM card 1 and 2) are told apart by their group's title.
    QHash<QString, int> uses;
    const auto all = root->findChildren<QWidget *>();
    for (const QWidget *w : all) {
        if (!w->accessibleName().isEmpty())
            ++uses[w->accessibleName()];
    }
    for (QWidget *field : std::as_const(named)) {
        if (uses.value(field->accessibleName()) < 2)
            continue;
        for (QWidget *up = field->parentWidget(); up && up != root->parentWidget(); up = up->parentWidget()) {
            if (auto *group = qobject_cast<QGroupBox *>(up); group && !group->title().isEmpty()) {
                field->setAccessibleName(NameFromCaption(group->title()) + QStringLiteral(": ") +
                                         field->accessibleName());
                break;
            }
        }
    }
}

} // namespace orva
