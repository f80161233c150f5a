#include "accessible_names.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>

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

// A masked edit announced with its text as shown (blanks of the mask included), which is what the user
// reads on the screen; Qt's own interface gives the text without the mask's blanks ("12AB--").
class MaskedEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit MaskedEditAccessible(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return edit()->displayText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        return s;
    }

    // QAccessibleTextInterface, over the text as shown.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && edit()->hasSelectedText()) {
            *startOffset = edit()->selectionStart();
            *endOffset = *startOffset + int(edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return edit()->displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(edit()->displayText().size()); }
    QRect characterRect(int offset) const override
    {
        const QString shown = edit()->displayText();
        const QFontMetrics metrics = edit()->fontMetrics();
        const int x = metrics.horizontalAdvance(shown.left(offset));
        const int w = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
        const QRect inner = edit()->contentsRect();
        return QRect(edit()->mapToGlobal(QPoint(inner.x() + x, inner.y())), QSize(w, inner.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(object()); }
};

QAccessibleInterface *ProgramAccessibles(const QString &, QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return new NamedComboAccessible(combo);
    if (auto *edit = qobject_cast<QLineEdit *>(object); edit && !edit->inputMask().isEmpty())
        return new MaskedEditAccessible(edit);
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
