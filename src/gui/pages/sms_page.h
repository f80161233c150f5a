#pragma once

#include "pages/editor_page.h"

#include <array>

class QLabel;
class QRadioButton;

namespace orva {

class CaptionGroup;
class CheckListBox;
class FieldEdit;

// The page "SMS" (TabSMS): the panel's alias, the nine SMS phones with their message sets, the SMS
// character set and the sending mode. A phone's message set and number are stored the moment they are
// edited; the alias, character set and sending mode by UnLoad_SMS.
class SmsPage : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int MessageSetCount = 4;

    SmsPage(PageHost &host, QWidget *tab);

    void Redraw_SMS();
    void UnLoad_SMS();

    // Item text and tick of phone p (1..9).
    void SMS_RedrawRem(int phone);
    // The message set and number controls follow the selected item: enabled while it is ticked.
    void SMS_EnableElements();
    // Shows the selected phone's message set and number.
    void SMS_RedrawElements();
    // Store the selected phone's message set (0 while unticked) or number.
    void SMS_SaveMode();
    void SMS_SaveNumber();

    // The selected phone (1..9) or 0.
    int SelectedPhone() const;

    void load() override { Redraw_SMS(); }
    void store() override { UnLoad_SMS(); }
    void SelectListRow(const QString &listControl, int row) override;

private:
    void Build(QWidget *tab);
    void ListSMSPhonesClick();
    void ListSMSPhonesClickCheck();
    void ListSMSPhonesDblClick();
    void RadioButtonSMSClick();
    void EditSMSPhoneNumberChange();

    CheckListBox *m_phones = nullptr;
    CaptionGroup *m_modeGroup = nullptr;
    // The message-set buttons by value - 1: "Тревожные" .. "Все сообщения".
    std::array<QRadioButton *, MessageSetCount> m_sets{};
    QLabel *m_numberLabel = nullptr;
    FieldEdit *m_number = nullptr;
    QRadioButton *m_cyrillic = nullptr;
    QRadioButton *m_translit = nullptr;
    QRadioButton *m_double = nullptr;
    QRadioButton *m_rezerv = nullptr;
};

} // namespace orva
