#pragma once

#include "fields/input_rules.h"

#include <QLineEdit>

namespace orva {

// A single-line entry field with a character filter and a typing limit. The filter and the limit apply
// to what the user types, pastes (keyboard, context menu, middle button) or commits through an input
// method: refused characters are dropped, a paste is cut to the room that is left. Text set by the
// program (a redraw from a file) is shown and kept whole, however long, and is not filtered: the limit
// is not QLineEdit's maxLength, which would cut such a text and change the configuration on a plain open
// and save. Dropping text onto the field is not offered.
class FieldEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit FieldEdit(QWidget *parent = nullptr);

    KeyFilter keyFilter() const { return m_filter; }
    void setKeyFilter(KeyFilter filter) { m_filter = filter; }
    // The most characters typing and pasting may bring the text to; 0 means no limit.
    int typingLimit() const { return m_limit; }
    void setTypingLimit(int limit) { m_limit = limit; }

    // Inserts text as a paste does: filtered, cut to the room left, replacing the selection.
    void insertFiltered(const QString &text);

    // Entering the field by a mouse click selects its whole text, as entering it by Tab does, so that
    // what is typed next replaces it (for fields that always hold their full grouped length).
    void setSelectAllOnEntry(bool on) { m_selectAllOnEntry = on; }
    // A character typed into the full field replaces the one after the cursor, as in an overwrite
    // field, so that one digit of a grouped text is corrected by typing it; a letter or digit typed in
    // front of a group separator replaces the one after the separator. While there is room, typing
    // inserts.
    void setOverwriteWhenFull(bool on) { m_overwriteWhenFull = on; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // How many characters may still be inserted in place of the selection.
    int room() const;
    void pasteFiltered();
    // Selects the character that the typed one replaces in a full field; false when there is none.
    bool selectOverwritten(QChar typed);

    KeyFilter m_filter = KeyFilter::None;
    int m_limit = 0;
    bool m_selectAllOnEntry = false;
    bool m_overwriteWhenFull = false;
    bool m_selectOnRelease = false; // entered by the press of the click now being released
};

} // namespace orva
