#include "pages/smsk_page.h"

#include "pages/page_host.h"
#include "widgets/check_list_box.h"
#include "widgets/control_builders.h"

#include "config_text/writer.h"
#include "device_model/device.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

namespace orva {
namespace {

constexpr int ItemHeight = 22;
constexpr int KeysPerColumn = 5;

QString TwoDigits(int number)
{
    return ZeroPad(number, 2, u'0');
}

} // namespace

SmskPage::SmskPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::SMSK, tab)
{
    m_phones = new CheckListBox(false, ItemHeight, tab);
    m_phones->setObjectName(QStringLiteral("ListSMSK_Phones"));
    m_phones->setAccessibleName(QStringLiteral("Телефоны для SMS по ключам"));
    m_phones->setGeometry(8, 12, 360, T_Command_DEVICE::PhoneCount * ItemHeight + 4);
    m_phones->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_phones->setCount(T_Command_DEVICE::PhoneCount);

    m_number = MakeField(tab, u"EditSMSK_PhoneNumber", InputRules::PhoneNumber, QRect(72, 227, 160, 21));
    m_numberLabel = MakeLabel(tab, u"LabelSMSK_PhoneNumber", QStringLiteral("  Номер :"),
                              QRect(8, 230, 62, 16), m_number);

    m_keysGroup = MakeGroup(tab, u"GroupBoxSMSK_Keys", QStringLiteral(" Контролируемые ключи "),
                            QRect(384, 8, 386, 190));
    m_bar = new QProgressBar(m_keysGroup);
    m_bar->setObjectName(QStringLiteral("ProgressBarSMSK"));
    m_bar->setGeometry(10, 136, 366, 16);
    m_bar->setRange(0, MostKeys);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setEnabled(false);
    m_counter = MakeLabel(m_keysGroup, u"LabelSMS_KNumKeys", KeyCountText(0), QRect(10, 160, 300, 16));

    connect(m_phones, &CheckListBox::clickedRow, this, &SmskPage::ListSMSK_PhonesClick);
    connect(m_number, &QLineEdit::textChanged, this, &SmskPage::EditSMSK_PhoneNumberChange);
}

void SmskPage::Create_SMSK()
{
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key) {
        const int column = (key - 1) / KeysPerColumn;
        const int row = (key - 1) % KeysPerColumn;
        auto *box = new QCheckBox(TwoDigits(key), m_keysGroup);
        box->setObjectName(QStringLiteral("CheckBoxSMSK_") + TwoDigits(key));
        box->setGeometry(10 + 125 * column, 20 + 22 * row, 120, 20);
        connect(box, &QCheckBox::toggled, this, &SmskPage::CheckBoxSMSK_Click);
        m_keys[key - 1] = box;
    }
}

QString SmskPage::KeyCountText(int n)
{
    if (n == 1)
        return QStringLiteral("Выбран 1 ключ");
    if (n >= 2 && n <= 4)
        return QStringLiteral("Выбрано ") + QString::number(n) + QStringLiteral(" ключа");
    return QStringLiteral("Выбрано ") + QString::number(n) + QStringLiteral(" ключей");
}

int SmskPage::SelectedPhone() const
{
    const int row = m_phones->itemIndex();
    return row >= 0 && row < T_Command_DEVICE::PhoneCount ? row + 1 : 0;
}

void SmskPage::Redraw_SMSK()
{
    // A number kept aside belongs to the configuration drawn before.
    m_numberBeforeKeysWent = {};
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key)
        SMSK_Redraw_KeyName(key);
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone)
        SMSK_RedrawRem(phone);
    SMSK_EnableElements();
    SMSK_RedrawElements();
}

void SmskPage::UnLoad_SMSK()
{
    // Everything is stored as it is edited.
}

void SmskPage::SMSK_Redraw_KeyName(int key)
{
    if (key < 1 || key > T_Command_DEVICE::KeyCount || !m_keys[key - 1])
        return;
    // The stored text as it is, the type mark ("!" duress, "*" patrol) included.
    const QString stored = model().get(Key::Alias, key);
    QString caption = TwoDigits(key);
    if (!stored.isEmpty())
        caption += QStringLiteral("(\"") + stored + QStringLiteral("\")");
    m_keys[key - 1]->setText(caption);
    // A long alias is cut at the box's edge: the hint shows it whole.
    m_keys[key - 1]->setToolTip(caption);
}

void SmskPage::SMSK_RedrawRem(int phone)
{
    const T_Command &r = model().record(Cmd::su, phone);
    QString text = QStringLiteral("Телефон ") + QString::number(phone) + u": ";
    if (!r.get(KeysPhone::Number).isEmpty())
        text += r.get(KeysPhone::Number) + u' ';
    QString keys;
    for (int slot = 1; slot <= T_Command::ItemCount; ++slot) {
        if (const qint32 key = r.item(slot))
            keys += (keys.isEmpty() ? u'(' : u',') + TwoDigits(key);
    }
    if (!keys.isEmpty())
        text += keys + u')';
    m_phones->setItemText(phone - 1, text);
}

void SmskPage::SMSK_EnableElements()
{
    const int phone = SelectedPhone();
    if (phone == 0) {
        m_keysGroup->setEnabled(false);
        m_counter->setEnabled(false);
        for (QCheckBox *box : m_keys)
            box->setEnabled(false);
        m_number->setEnabled(false);
        m_numberLabel->setEnabled(false);
        PutNumber(QString());
        return;
    }
    const T_Command &r = model().record(Cmd::su, phone);
    int n = 0;
    std::array<bool, T_Command_DEVICE::KeyCount + 1> chosen{};
    for (int slot = 1; slot <= T_Command::ItemCount; ++slot) {
        const qint32 key = r.item(slot);
        if (key != 0)
            ++n;
        if (key >= 1 && key <= T_Command_DEVICE::KeyCount)
            chosen[key] = true;
    }
    m_bar->setValue(qMin(n, MostKeys));
    m_counter->setText(KeyCountText(n));
    m_keysGroup->setEnabled(true);
    m_counter->setEnabled(true);
    // With five keys chosen no sixth can be ticked.
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key)
        m_keys[key - 1]->setEnabled(n < MostKeys || chosen[key]);
    m_number->setEnabled(n != 0);
    m_numberLabel->setEnabled(n != 0);
    // Clearing the field goes through its change handler: the stored number goes as well.
    PutNumber(n == 0 ? QString() : r.get(KeysPhone::Number));
}

void SmskPage::SMSK_RedrawElements()
{
    {
        UpdatingScope updating(host());
        for (QCheckBox *box : m_keys)
            box->setChecked(false);
    }
    const int phone = SelectedPhone();
    if (phone == 0) {
        PutNumber(QString());
        return;
    }
    const T_Command &r = model().record(Cmd::su, phone);
    bool listed = false;
    {
        UpdatingScope updating(host());
        for (int slot = 1; slot <= T_Command::ItemCount; ++slot) {
            const qint32 key = r.item(slot);
            listed = listed || key != 0;
            if (key >= 1 && key <= T_Command_DEVICE::KeyCount)
                m_keys[key - 1]->setChecked(true);
        }
    }
    // The number goes only with an empty list: a list of keys outside 1..15 (from a file) keeps it.
    PutNumber(listed ? r.get(KeysPhone::Number) : QString());
}

void SmskPage::SMSK_SaveMode()
{
    const int phone = SelectedPhone();
    if (phone == 0)
        return;
    T_Command &r = model().record(Cmd::su, phone);
    bool hadKeys = false;
    for (int slot = 1; slot <= T_Command::ItemCount; ++slot)
        hadKeys = hadKeys || r.item(slot) != 0;
    int slot = 1;
    for (int key = 1; key <= T_Command_DEVICE::KeyCount && slot <= MostKeys; ++key) {
        if (m_keys[key - 1]->isChecked())
            r.setItem(slot++, key);
    }
    const bool none = slot == 1;
    for (; slot <= T_Command::ItemCount; ++slot)
        r.setItem(slot, 0);
    if (none) {
        // A phone without keys has no number. The number is kept aside while the phone stays selected,
        // so that ticking a key again (the second click of a double click, or a change of mind) brings
        // it back rather than leaving a ticked key without a number.
        if (hadKeys && !r.get(KeysPhone::Number).isEmpty())
            m_numberBeforeKeysWent = {phone, r.get(KeysPhone::Number)};
        PutNumber(QString());
        r.set(KeysPhone::Number, QString());
    } else if (!hadKeys && m_numberBeforeKeysWent.phone == phone && r.get(KeysPhone::Number).isEmpty()) {
        r.set(KeysPhone::Number, m_numberBeforeKeysWent.number);
        m_numberBeforeKeysWent = {};
    }
}

void SmskPage::PutNumber(const QString &text)
{
    // Putting text into the field runs its change handler even when the text stays the same, so that
    // clearing an empty field still clears the selected phone's stored number.
    if (m_number->text() == text)
        EditSMSK_PhoneNumberChange();
    else
        m_number->setText(text);
}

void SmskPage::SMSK_SaveNumber()
{
    if (const int phone = SelectedPhone())
        model().set(KeysPhone::Number, phone, m_number->text());
}

void SmskPage::ListSMSK_PhonesClick()
{
    m_numberBeforeKeysWent = {};
    UpdatingScope updating(host());
    SMSK_EnableElements();
    SMSK_RedrawElements();
}

void SmskPage::CheckBoxSMSK_Click()
{
    if (host().isUpdating())
        return;
    const int phone = SelectedPhone();
    if (phone == 0)
        return;
    SMSK_SaveMode();
    SMSK_EnableElements();
    SMSK_RedrawRem(phone);
}

void SmskPage::EditSMSK_PhoneNumberChange()
{
    if (const int phone = SelectedPhone()) {
        SMSK_SaveNumber();
        SMSK_RedrawRem(phone);
    }
}

void SmskPage::SelectListRow(const QString &listControl, int row)
{
    if (listControl != m_phones->objectName())
        return;
    // The fields follow the selection, so that the number field can take the focus.
    m_phones->setItemIndex(row);
    ListSMSK_PhonesClick();
}

} // namespace orva
