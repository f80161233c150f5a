#pragma once

#include "pages/editor_page.h"

#include "device_model/device.h"

#include <array>

class QCheckBox;
class QLabel;
class QProgressBar;

namespace orva {

class CaptionGroup;
class CheckListBox;
class FieldEdit;

// The page "SMS-К" (TabSMSK): nine phones that receive SMS about up to five chosen keys each. Every
// edit is stored into the model at once; the page shares the window's updating flag with the GSM dial
// page, and while it is set the key boxes' click handler does nothing.
class SmskPage : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int MostKeys = 5;

    SmskPage(PageHost &host, QWidget *tab);

    // Builds the fifteen key boxes; the window runs it once when it is created.
    void Create_SMSK();
    void Redraw_SMSK();
    void UnLoad_SMSK();

    // Caption of key box k (1..15) from the key's stored text; the Keys page calls it whenever a key's
    // alias or type changes.
    void SMSK_Redraw_KeyName(int key);
    // Item text of phone p (1..9).
    void SMSK_RedrawRem(int phone);
    // Enabling, progress bar, counter and number field for the selected phone.
    void SMSK_EnableElements();
    // Ticks the key boxes of the selected phone and shows its number.
    void SMSK_RedrawElements();
    // Store the ticked keys or the number of the selected phone.
    void SMSK_SaveMode();
    void SMSK_SaveNumber();

    // The selected phone (1..9) or 0.
    int SelectedPhone() const;
    // The counter text for n chosen keys: "Выбран 1 ключ", "Выбрано 2 ключа", "Выбрано 5 ключей".
    static QString KeyCountText(int n);

    void load() override { Redraw_SMSK(); }
    void store() override { UnLoad_SMSK(); }
    void createLateControls() override { Create_SMSK(); }
    void SelectListRow(const QString &listControl, int row) override;

private:
    void ListSMSK_PhonesClick();
    void CheckBoxSMSK_Click();
    void EditSMSK_PhoneNumberChange();
    void PutNumber(const QString &text);

    CheckListBox *m_phones = nullptr;
    CaptionGroup *m_keysGroup = nullptr;
    // The key boxes by key number - 1.
    std::array<QCheckBox *, T_Command_DEVICE::KeyCount> m_keys{};
    QProgressBar *m_bar = nullptr;
    QLabel *m_counter = nullptr;
    QLabel *m_numberLabel = nullptr;
    FieldEdit *m_number = nullptr;
    // The number the selected phone lost when its last key was unticked; ticking a key of that phone
    // again restores it. Forgotten when another phone is selected or the page is drawn anew.
    struct KeptNumber
    {
        int phone = 0;
        QString number;
    };
    KeptNumber m_numberBeforeKeysWent;
};

} // namespace orva
