#include "widgets/field_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

#include <limits>
#include <utility>

namespace orva {
namespace {

// True for text that a key press would insert (not backspace, not control shortcuts).
bool IsInsertingText(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return !text.isEmpty();
}

} // namespace

FieldEdit::FieldEdit(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    // QLineEdit cuts any text at its maxLength (32767 unless set), also a text the program puts in.
    setMaxLength(std::numeric_limits<int>::max());
}

int FieldEdit::room() const
{
    if (m_limit <= 0)
        return std::numeric_limits<int>::max();
    return qMax(0, m_limit - int(text().size() - selectedText().size()));
}

void FieldEdit::insertFiltered(const QString &text)
{
    const QString admitted = FilterPastedText(m_filter, text).left(room());
    if (!admitted.isEmpty() || hasSelectedText())
        insert(admitted);
}

void FieldEdit::pasteFiltered()
{
    if (isReadOnly())
        return;
    insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void FieldEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    // Shortcuts carry control characters (or, from some sources, their letter with Ctrl held); AltGr
    // characters may arrive with Ctrl+Alt and are text.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool shortcut = modifiers == Qt::ControlModifier;
    if (!isReadOnly() && !shortcut && IsInsertingText(typed)) {
        // A typed character either passes the filter and fits (in a full overwrite field: in place of
        // the character after the cursor), or is swallowed.
        for (const QChar c : typed) {
            if (!FilterAdmits(m_filter, c)) {
                event->accept();
                return;
            }
        }
        const bool fits = room() >= 1 || (typed.size() == 1 && selectOverwritten(typed.front()));
        if (!fits) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

bool FieldEdit::selectOverwritten(QChar typed)
{
    if (!m_overwriteWhenFull || hasSelectedText())
        return false;
    const QString current = text();
    int at = cursorPosition();
    if (typed.isLetterOrNumber()) {
        while (at < current.size() && !current.at(at).isLetterOrNumber())
            ++at;
    } else if (at < current.size() && current.at(at) != typed) {
        return false; // a separator only steps over the same separator
    }
    if (at >= current.size())
        return false;
    setSelection(at, 1);
    return true;
}

void FieldEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(FilterText(m_filter, commit).left(room()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void FieldEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_selectOnRelease = m_selectAllOnEntry && event->reason() == Qt::MouseFocusReason;
}

void FieldEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The press that entered the field placed the cursor; its release selects the text instead, unless
    // the user dragged a selection of their own.
    if (std::exchange(m_selectOnRelease, false) && event->button() == Qt::LeftButton && !hasSelectedText()) {
        QLineEdit::mouseReleaseEvent(event);
        selectAll();
        return;
    }
    // The middle button pastes the selection on systems that have one; it goes through the filter too.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste action (known by its caption, in the same translation as QLineEdit's own) is
    // re-bound to the filtered paste.
    const QString pasteCaption = QLineEdit::tr("&Paste");
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text().section(u'\t', 0, 0) != pasteCaption)
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, &FieldEdit::pasteFiltered);
    }
    menu->popup(event->globalPos());
}

} // namespace orva
