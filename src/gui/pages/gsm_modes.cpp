// The number field and the message-set controls of the page "GSM-дозвон": enabling, showing the current
// phone, and giving it a mode or a number.
#include "pages/gsm_page.h"

#include "pages/page_host.h"
#include "widgets/check_list_box.h"
#include "widgets/radio_buttons.h"

#include "device_model/device.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace orva {

void GsmPage::GSM_SetModeAndPhone()
{
    const int phone = GSM_FindTempPhone();
    if (phone == 0) {
        GSM_EnableMode(false, false, false);
    } else {
        // What a connected phone may receive depends on the delivery.
        switch (m_dataMode->currentIndex()) {
        case 1:
            GSM_EnableMode(true, false, true);
            break;
        case 2:
            GSM_EnableMode(true, false, false);
            break;
        default:
            GSM_EnableMode(true, true, true);
            break;
        }
    }
    GSM_Redraw_Number(phone);
    GSM_Redraw_Mode(phone);
}

void GsmPage::GSM_EnableMode(bool a, bool b, bool c)
{
    for (QRadioButton *button : {m_dialDuty, m_dialLock, m_dialUnLock, m_connect})
        button->setEnabled(a);
    m_subModes[0]->setEnabled(a);
    m_subModes[1]->setEnabled(c);
    m_subModes[2]->setEnabled(b);
    m_subModes[3]->setEnabled(b);
    if (!a && !b) {
        UpdatingScope updating(host());
        for (QRadioButton *button : {m_dialDuty, m_dialLock, m_dialUnLock, m_connect})
            UntickAll({button});
        for (QCheckBox *box : m_subModes)
            box->setChecked(false);
    }
}

void GsmPage::GSM_EnableNumber(bool on)
{
    m_number->setEnabled(on);
    m_numberLabel->setEnabled(on);
    if (!on) {
        UpdatingScope updating(host());
        m_number->clear();
    }
}

void GsmPage::GSM_EnableProtocol(bool on)
{
    m_protocolLabel->setEnabled(on);
    m_protocol->setEnabled(on);
    m_protocolGroup->setEnabled(on);
    m_transparent->setEnabled(on);
}

void GsmPage::GSM_Redraw_Number(int phone)
{
    UpdatingScope updating(host());
    if (phone == 0) {
        m_number->setEnabled(false);
        m_number->clear();
    } else {
        m_number->setText(model().record(Cmd::dn, phone).text(2));
    }
}

void GsmPage::GSM_Redraw_Mode(int phone)
{
    UpdatingScope updating(host());
    const qint32 mode = ModeOf(phone);
    if (mode == 0) {
        for (QRadioButton *button : {m_dialDuty, m_dialLock, m_dialUnLock, m_connect})
            UntickAll({button});
    }
    if (mode == 7)
        m_dialDuty->setChecked(true);
    else if (mode == 5)
        m_dialLock->setChecked(true);
    else if (mode == 6)
        m_dialUnLock->setChecked(true);
    if (mode >= 1 && mode <= 4) {
        m_connect->setChecked(true);
        for (int i = 0; i < 4; ++i)
            m_subModes[i]->setChecked(i == mode - 1);
    } else {
        for (QCheckBox *box : m_subModes)
            box->setChecked(false);
    }
}

void GsmPage::SetTemp_Dial(qint32 mode)
{
    SetTempMode(mode, Dial);
}

void GsmPage::SetTemp_Connect(qint32 mode)
{
    SetTempMode(mode, Connect);
}

void GsmPage::SetTempMode(qint32 mode, List list)
{
    if (host().isUpdating())
        return;
    const int phone = GSM_FindTempPhone();
    if (phone == 0) {
        // Nothing is current: the click changes nothing and the boxes show no mode.
        GSM_Redraw_Mode(0);
        return;
    }
    UpdatingScope updating(host());
    model().record(Cmd::dn, phone).setValue(1, mode);
    GSM_ListRebuld();
    const int row = qMax(GSM_CalckListTempPhone(phone), 0);
    m_lists[list]->setItemIndex(row);
    m_remembered[list] = row;
    GSM_SetListSelect(list);
    GSM_SetModeAndPhone();
    GSM_EnableNumber(true);
    GSM_RedrawPhones(0);
}

void GsmPage::EditGSM_PhoneNumberChange()
{
    if (host().isUpdating())
        return;
    const int phone = GSM_FindTempPhone();
    if (phone == 0)
        return;
    UpdatingScope updating(host());
    model().record(Cmd::dn, phone).setText(2, m_number->text());
    GSM_RedrawPhones(phone);
}

} // namespace orva
