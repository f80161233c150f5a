#include "pages/sms_page.h"

#include "pages/page_host.h"
#include "widgets/check_list_box.h"
#include "widgets/control_builders.h"
#include "widgets/radio_buttons.h"

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace orva {
namespace {

constexpr int ItemHeight = 22;

// The message-set buttons by value 1..4; their captions are those of `PageChoices::SmsMessageSets`.
const char16_t *const MessageSetButtons[SmsPage::MessageSetCount] = {
    u"RadioButtonSMSAlarm",
    u"RadioButtonSMSAlarmService",
    u"RadioButtonSMSAlarmLock",
    u"RadioButtonSMSAll",
};

bool IsMessageSet(qint32 value)
{
    return value >= 1 && value <= SmsPage::MessageSetCount;
}

} // namespace

SmsPage::SmsPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::SMS, tab)
{
    Build(tab);
    BindFields();
}

void SmsPage::Build(QWidget *tab)
{
    FieldEdit *name = MakeField(tab, u"E_SMS_Name", InputRules::Alias, QRect(90, 13, 120, 21));
    MakeLabel(tab, u"L_SMS_Name", QStringLiteral("Псевдоним :"), QRect(16, 16, 72, 16), name);

    auto *phones = MakeGroup(tab, u"GB_SMS_Phones", QStringLiteral("Телефоны для отправки SMS:"),
                             QRect(8, 44, 470, 388));
    m_phones = new CheckListBox(true, ItemHeight, phones);
    m_phones->setObjectName(QStringLiteral("ListSMSPhones"));
    m_phones->setAccessibleName(QStringLiteral("Телефоны для отправки SMS"));
    m_phones->setGeometry(12, 20, 446, T_Command_DEVICE::PhoneCount * ItemHeight + 4);
    m_phones->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_phones->setCount(T_Command_DEVICE::PhoneCount);
    m_number = MakeField(phones, u"EditSMSPhoneNumber", InputRules::PhoneNumber, QRect(62, 233, 160, 21));
    m_numberLabel =
        MakeLabel(phones, u"LabelSMSPhoneNumber", QStringLiteral("Номер:"), QRect(12, 236, 48, 16), m_number);
    m_modeGroup =
        MakeGroup(phones, u"GroupBoxSMSMode", QStringLiteral(" Набор сообщений"), QRect(12, 264, 446, 114));
    for (int i = 0; i < MessageSetCount; ++i) {
        m_sets[i] = MakeRadio(m_modeGroup, MessageSetButtons[i],
                              ChoiceTextOf(PageChoices::SmsMessageSets(), i + 1).toString(),
                              QRect(12, 20 + 22 * i, 300, 20));
    }

    auto *charset =
        MakeGroup(tab, u"G_SMS_ModeSMS", QStringLiteral("Кодировка SMS"), QRect(492, 44, 276, 74));
    m_cyrillic = MakeRadio(charset, u"RB_SMS_Cyrillic",
                           ChoiceTextOf(PageChoices::SmsCharsets(), 1).toString(), QRect(12, 20, 250, 20));
    m_translit = MakeRadio(charset, u"RB_SMS_Translit",
                           ChoiceTextOf(PageChoices::SmsCharsets(), 0).toString(), QRect(12, 44, 250, 20));

    auto *sending =
        MakeGroup(tab, u"GB_SMS_Mode", QStringLiteral("Режим отправки SMS"), QRect(492, 128, 276, 74));
    m_double = MakeRadio(sending, u"RB_SMS_ModeDouble",
                         ChoiceTextOf(PageChoices::SmsSendModes(), 1).toString(), QRect(12, 20, 250, 20));
    m_rezerv = MakeRadio(sending, u"RB_SMS_ModeRezerv",
                         ChoiceTextOf(PageChoices::SmsSendModes(), 0).toString(), QRect(12, 44, 250, 20));

    // Zone bindings play no part; the window hides the group when it is created.
    auto *zones =
        MakeGroup(tab, u"GB_SMS_Zone", QStringLiteral("Привязка к разделам:"), QRect(492, 212, 276, 48));
    const char16_t *const zoneNames[] = {u"CB_SMS_Zone1", u"CB_SMS_Zone2", u"CB_SMS_Zone3", u"CB_SMS_Zone4"};
    for (int i = 0; i < 4; ++i)
        MakeCheck(zones, zoneNames[i], QString::number(i + 1), QRect(12 + 60 * i, 20, 50, 20));

    connect(m_phones, &CheckListBox::clickedRow, this, &SmsPage::ListSMSPhonesClick);
    connect(m_phones, &CheckListBox::clickCheck, this, &SmsPage::ListSMSPhonesClickCheck);
    connect(m_phones, &CheckListBox::doubleClickedRow, this, &SmsPage::ListSMSPhonesDblClick);
    // A button ticked by the program runs the handler as a click does; unticking runs nothing.
    for (QRadioButton *button : m_sets) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RadioButtonSMSClick();
        });
    }
    connect(m_number, &QLineEdit::textChanged, this, &SmsPage::EditSMSPhoneNumberChange);
}

int SmsPage::SelectedPhone() const
{
    const int row = m_phones->itemIndex();
    return row >= 0 && row < T_Command_DEVICE::PhoneCount ? row + 1 : 0;
}

void SmsPage::Redraw_SMS()
{
    ShowBoundFields();
    (model().get(Sms::SendMode) == 1 ? m_double : m_rezerv)->setChecked(true);
    (model().get(Sms::Charset) == 1 ? m_cyrillic : m_translit)->setChecked(true);
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone)
        SMS_RedrawRem(phone);
    SMS_EnableElements();
    SMS_RedrawElements();
}

void SmsPage::UnLoad_SMS()
{
    StoreBoundFields();
    model().set(Sms::SendMode, m_double->isChecked() ? 1 : 0);
    model().set(Sms::Charset, m_cyrillic->isChecked() ? 1 : 0);
}

void SmsPage::SMS_RedrawRem(int phone)
{
    const T_Command &r = model().record(Cmd::sn, phone);
    QString text = QStringLiteral("Телефон ") + QString::number(phone) + u": ";
    if (!r.get(SmsPhone::Number).isEmpty())
        text += r.get(SmsPhone::Number) + u' ';
    const qint32 value = r.get(SmsPhone::MessageSet);
    text += u'(' + (IsMessageSet(value) ? m_sets[value - 1]->text() : NotUsedText.toString()) + u')';
    m_phones->setItemText(phone - 1, text);
    m_phones->setChecked(phone - 1, IsMessageSet(value));
}

void SmsPage::SMS_EnableElements()
{
    const int phone = SelectedPhone();
    const bool on = phone != 0 && m_phones->checked(phone - 1);
    m_modeGroup->setEnabled(on);
    for (QRadioButton *button : m_sets)
        button->setEnabled(on);
    m_number->setEnabled(on);
    m_numberLabel->setEnabled(on);
}

void SmsPage::SMS_RedrawElements()
{
    const int phone = SelectedPhone();
    if (phone == 0) {
        for (QRadioButton *button : m_sets)
            UntickAll({button});
        m_number->clear();
        return;
    }
    const T_Command &r = model().record(Cmd::sn, phone);
    if (IsMessageSet(r.get(SmsPhone::MessageSet))) {
        m_sets[r.get(SmsPhone::MessageSet) - 1]->setChecked(true);
    } else {
        for (QRadioButton *button : m_sets)
            UntickAll({button});
    }
    m_number->setText(model().get(SmsPhone::Number, phone));
}

void SmsPage::SMS_SaveMode()
{
    const int phone = SelectedPhone();
    if (phone == 0)
        return;
    qint32 value = 0;
    if (m_phones->checked(phone - 1)) {
        // The widest set that is ticked wins.
        for (int i = MessageSetCount - 1; i >= 0 && value == 0; --i) {
            if (m_sets[i]->isChecked())
                value = i + 1;
        }
        if (value == 0) {
            m_sets[0]->setChecked(true);
            value = 1;
        }
    }
    model().set(SmsPhone::MessageSet, phone, value);
}

void SmsPage::SMS_SaveNumber()
{
    if (const int phone = SelectedPhone())
        model().set(SmsPhone::Number, phone, m_number->text());
}

void SmsPage::ListSMSPhonesClick()
{
    SMS_EnableElements();
    SMS_RedrawElements();
}

void SmsPage::ListSMSPhonesClickCheck()
{
    if (SelectedPhone() == 0) {
        // A tick on a list without a selected phone (the keyboard on a row the focus only made current)
        // changes nothing: the ticks go back to what the model says.
        for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone)
            SMS_RedrawRem(phone);
        return;
    }
    SMS_SaveMode();
    SMS_EnableElements();
    if (const int phone = SelectedPhone())
        SMS_RedrawRem(phone);
}

void SmsPage::ListSMSPhonesDblClick()
{
    if (const int phone = SelectedPhone())
        m_phones->setChecked(phone - 1, !m_phones->checked(phone - 1));
    ListSMSPhonesClickCheck();
}

void SmsPage::RadioButtonSMSClick()
{
    ListSMSPhonesClickCheck();
}

void SmsPage::EditSMSPhoneNumberChange()
{
    if (const int phone = SelectedPhone()) {
        SMS_SaveNumber();
        SMS_RedrawRem(phone);
    }
}

void SmsPage::SelectListRow(const QString &listControl, int row)
{
    if (listControl != m_phones->objectName())
        return;
    // The fields follow the selection, so that the number field can take the focus.
    m_phones->setItemIndex(row);
    ListSMSPhonesClick();
}

} // namespace orva
