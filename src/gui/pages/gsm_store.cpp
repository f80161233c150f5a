// The delivery of the page "GSM-дозвон" with the limits it puts on the connected phones, and the
// page's store step with the sort of the phones. The model changes are the core's store-form steps, so
// that the page and `orva-config` store the same.
#include "pages/gsm_page.h"

#include "widgets/check_list_box.h"

#include "device_model/device.h"
#include "device_model/store_form.h"

#include <QCheckBox>
#include <QComboBox>

namespace orva {
namespace {

constexpr qint32 HighestDelivery = 2;

} // namespace

void GsmPage::GSM_Redraw_DataMode()
{
    T_Command &delivery = model().record(Cmd::ds);
    if (delivery.get(Dialing::Delivery) < 0 || delivery.get(Dialing::Delivery) > HighestDelivery)
        delivery.set(Dialing::Delivery, 0);
    m_dataMode->setCurrentIndex(delivery.get(Dialing::Delivery));
}

void GsmPage::GSM_Unload_DataMode()
{
    model().set(Dialing::Delivery, qMax(m_dataMode->currentIndex(), 0));
}

void GsmPage::ComboBoxGSM_DataModeChange()
{
    GSM_Unload_DataMode();
    GSM_PhoneMode_Rebuld();
}

void GsmPage::GSM_PhoneMode_Rebuld()
{
    const qint32 delivery = model().get(Dialing::Delivery);
    if (delivery != 1 && delivery != 2) {
        GSM_EnableProtocol(true);
        if (m_subModes[0]->isEnabled()) // a phone is current
            GSM_EnableMode(true, true, true);
        return;
    }
    GSM_EnableProtocol(false);
    GSM_EnableMode(true, false, delivery == 1);

    std::array<qint32, T_Command_DEVICE::PhoneCount + 1> before{};
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone)
        before[phone] = ModeOf(phone);
    ApplyDialDeliveryLimits(model());
    const int current = GSM_FindTempPhone();
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        if (ModeOf(phone) == before[phone])
            continue;
        GSM_RedrawPhones(phone);
        if (phone == current)
            GSM_Redraw_Mode(phone);
    }
}

void GsmPage::UnLoad_GSM()
{
    T_Command &protocol = model().record(Cmd::dp);
    protocol.set(Dialing::Protocol, m_protocol->currentIndex());
    protocol.set(Dialing::Transparency, m_transparent->isChecked() ? 0 : 1);
    // The sort moves whole records; the selection follows the current phone (known by its number) to
    // its new row, so that the number field goes on editing that phone.
    const int current = GSM_FindTempPhone();
    const qint32 number = current != 0 ? model().record(Cmd::dn, current).number() : 0;
    GSM_SortPhones();
    Redraw_GSM();
    for (int phone = 1; current != 0 && phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        if (model().record(Cmd::dn, phone).number() == number) {
            ListClick(ListOfMode(ModeOf(phone)), GSM_CalckListTempPhone(phone));
            break;
        }
    }
}

void GsmPage::GSM_SortPhones()
{
    SortDialPhones(model());
}

} // namespace orva
