#include "pages/keys_page.h"

#include "pages/page_host.h"
#include "widgets/key_type_box.h"

#include "device_model/vocabularies.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_binding.h"
#include "widgets/focus_colouring.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

namespace orva {
namespace {

constexpr int PlainNameLength = 10; // type 0: the alias alone
constexpr int TypedNameLength = 9;  // types 1 and 2: the mark and 9 characters

// The colour of the row's code field while one of its controls has the focus.
const QColor RowColour{255, 255, 150};

int NameLength(int type)
{
    return type == 0 ? PlainNameLength : TypedNameLength;
}

} // namespace

KeysPage::KeysPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Keys, tab)
{
    CreateHeaders();
}

QColor KeysPage::GetColorKeyType(int type)
{
    switch (type) {
    case 1:
        return QColor(255, 170, 170);
    case 2:
        return QColor(170, 170, 255);
    default:
        return WindowColour();
    }
}

void KeysPage::Redraw_Keys()
{
    Keys_RedrawElements();
}

void KeysPage::UnLoad_Keys() {}

void KeysPage::Keys_RedrawElements()
{
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key) {
        KeyRow &row = m_rows[key - 1];
        const int type = KeyType(model(), key);
        row.type->setCurrentIndex(type);
        HighlightFocus(row.type, HighlightMode::Given, GetColorKeyType(type));

        row.name->setTypingLimit(NameLength(type));
        {
            const ProgramChange redraw(*this, ProgramStep::Redraw);
            row.name->setText(KeyName(model(), key));
        }
        row.typedAlias = row.name->text();
        // Putting the alias in stores mark + alias (a typed key's alias cut to 9 characters), also when
        // the field already held that text.
        Keys_SaveName(key, KeyAliasOfType(type, row.name->text()));

        {
            const ProgramChange redraw(*this, ProgramStep::Redraw);
            for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone)
                row.zones[zone - 1]->setChecked(model().KeyHasZone(key, zone));
        }

        row.code->setText(model().get(Key::Learned, key));
        // The code is shown as stars: a screen reader says whether the key is learned.
        const QString learned =
            row.code->text().isEmpty() ? QStringLiteral("ключ не обучен") : QStringLiteral("ключ обучен");
        row.code->setAccessibleDescription(learned);
        row.name->setAccessibleDescription(learned);
    }
}

void KeysPage::Keys_SaveName(int key, const QString &text)
{
    model().set(Key::Alias, key, text);
    Q_EMIT KeyNameChanged(key);
}

void KeysPage::EditKeyName_Change(int key)
{
    KeyRow &row = m_rows[key - 1];
    if (!IsProgramChanging(ProgramStep::Redraw))
        row.typedAlias = row.name->text();
    Keys_SaveName(key, KeyAliasOfType(row.type->currentIndex(), row.name->text()));
}

void KeysPage::CB_Key_TypeChange(int key, int type)
{
    KeyRow &row = m_rows[key - 1];
    QString text = row.typedAlias;
    if (type != 0 && text.size() > TypedNameLength)
        text.truncate(TypedNameLength);
    // A type-0 alias cannot start with a type mark (it would read back as that type): the field shows
    // the alias as it is stored.
    const QString stored = KeyAliasOfType(type, text);
    if (type == 0)
        text = stored;
    row.name->setTypingLimit(NameLength(type));
    {
        const ProgramChange redraw(*this, ProgramStep::Redraw);
        row.name->setText(text);
    }
    // An empty alias of a typed key is stored as its mark alone. The box keeps its colour until the
    // focus leaves it.
    Keys_SaveName(key, stored);
}

void KeysPage::CB_Key_ZoneChange(int key, int zone)
{
    if (IsProgramChanging(ProgramStep::Redraw))
        return;
    const KeyRow &row = m_rows[key - 1];
    HighlightFocus(row.zoneLabels[zone - 1], HighlightMode::Focused);
    HighlightFocus(row.code, HighlightMode::Given, RowColour);
    model().SetKeyZone(key, zone, row.zones[zone - 1]->isChecked());
}

int KeysPage::KeyOf(const QObject *control) const
{
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key) {
        const KeyRow &row = m_rows[key - 1];
        if (control == row.name || control == row.type || control == row.code || control == row.label)
            return key;
        for (const QCheckBox *box : row.zones) {
            if (control == box)
                return key;
        }
    }
    return 0;
}

bool KeysPage::eventFilter(QObject *watched, QEvent *event)
{
    const bool in = event->type() == QEvent::FocusIn;
    if (!in && event->type() != QEvent::FocusOut)
        return false;
    if (!in && IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason()))
        return false;
    const int key = KeyOf(watched);
    if (key == 0)
        return false;
    // The window's binding has already coloured the control itself (yellow on entry, its normal colour
    // on exit) and remembered it as the page's last focused control.
    const KeyRow &row = m_rows[key - 1];
    HighlightFocus(row.code, in ? HighlightMode::Given : HighlightMode::Unfocused, RowColour);
    if (!in && watched == row.type)
        HighlightFocus(row.type, HighlightMode::Given, GetColorKeyType(row.type->currentIndex()));
    for (int zone = 0; zone < T_Command_DEVICE::ZoneCount; ++zone) {
        if (watched == row.zones[zone])
            HighlightFocus(row.zoneLabels[zone], in ? HighlightMode::Focused : HighlightMode::Unfocused);
    }
    return false;
}

} // namespace orva
