#pragma once

#include "device_model/modes.h"
#include "pages/editor_page.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace orva {

class CaptionGroup;
class CheckListBox;
class FieldEdit;

// The page "GSM-дозвон" (TabDialGSM): nine phones that the panel calls over the GSM data channel, in
// three stacked check lists by use (free, called without a connection, called with one), the message
// set and number of the phone selected in them (the current phone), the delivery of messages and the
// protocol. Phones, their numbers and the delivery are stored as they are edited; protocol and
// transparency by UnLoad_GSM, which also sorts the phones. The window's updating flag keeps the
// program's own changes of the number and mode controls from being stored.
//
// The work is split over gsm_page.cpp (controls, Redraw_GSM), gsm_lists.cpp (the three lists and the
// current phone), gsm_modes.cpp (number and message-set controls) and gsm_store.cpp (delivery limits,
// UnLoad_GSM and the sort).
class GsmPage : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int ItemHeight = 19;
    // The lists, one per dial mode (DialMode's numbers), also the argument of GSM_SetListSelect.
    enum List { Free = int(DialMode::Free), Dial = int(DialMode::Dial), Connect = int(DialMode::Connect) };
    static constexpr int ListCount = DialModeCount;

    GsmPage(PageHost &host, QWidget *tab);

    void Redraw_GSM();
    void UnLoad_GSM();

    // Lists (gsm_lists.cpp).
    void GSM_ListRebuld();
    void GSM_RedrawPhones(int phone);
    QString GSM_GetRemPhone(int phone, int shownAs) const;
    int GSM_FindTempPhone() const;
    int GSM_CalckListTempPhone(int phone) const;
    void GSM_SetListSelect(int list);
    // The list a mode puts a phone in.
    static List ListOfMode(qint32 mode);

    // Number and message-set controls (gsm_modes.cpp).
    void GSM_SetModeAndPhone();
    void GSM_EnableMode(bool a, bool b, bool c);
    void GSM_EnableNumber(bool on);
    void GSM_EnableProtocol(bool on);
    void GSM_Redraw_Number(int phone);
    void GSM_Redraw_Mode(int phone);
    void SetTemp_Dial(qint32 mode);
    void SetTemp_Connect(qint32 mode);

    // Delivery, unload and sort (gsm_store.cpp).
    void GSM_Redraw_DataMode();
    void GSM_Unload_DataMode();
    void GSM_PhoneMode_Rebuld();
    void GSM_SortPhones();

    void load() override { Redraw_GSM(); }
    void store() override { UnLoad_GSM(); }
    void SelectListRow(const QString &listControl, int row) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Build(QWidget *tab);
    void BuildLists(QWidget *tab);
    void BuildModes(QWidget *tab);
    void BuildDelivery(QWidget *tab);

    qint32 ModeOf(int phone) const;
    // The phone shown as row `row` of a list, or 0.
    int PhoneAt(int list, int row) const;
    int ListIndexOf(const QObject *object) const;

    // Entering a list: it becomes the active list and the controls follow its current phone.
    void EnterList(int list);
    void ListClick(int list, int row);
    void ListClickCheck(int list);
    void SetTempMode(qint32 mode, List list);
    void EditGSM_PhoneNumberChange();
    void ComboBoxGSM_DataModeChange();

    std::array<QLabel *, ListCount> m_listLabels{};
    std::array<CheckListBox *, ListCount> m_lists{};
    // The item each list selects again when it becomes the active list.
    std::array<int, ListCount> m_remembered{};

    QLabel *m_numberLabel = nullptr;
    FieldEdit *m_number = nullptr;
    CaptionGroup *m_messageGroup = nullptr;
    QRadioButton *m_dialDuty = nullptr;
    QRadioButton *m_dialLock = nullptr;
    QRadioButton *m_dialUnLock = nullptr;
    QRadioButton *m_connect = nullptr;
    // The sub-mode boxes by mode - 1: alarms only, + service, + arming/disarming, all.
    std::array<QCheckBox *, 4> m_subModes{};

    QComboBox *m_dataMode = nullptr;
    CaptionGroup *m_protocolGroup = nullptr;
    QLabel *m_protocolLabel = nullptr;
    QComboBox *m_protocol = nullptr;
    QCheckBox *m_transparent = nullptr;
};

} // namespace orva
