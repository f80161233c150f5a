#include "pages/page_table.h"

#include "pages/common_page.h"
#include "pages/gprs_page.h"
#include "pages/gsm_page.h"
#include "pages/indic_page.h"
#include "pages/keys_page.h"
#include "pages/mode_page.h"
#include "pages/rele_page.h"
#include "pages/shleifs_page.h"
#include "pages/sms_page.h"
#include "pages/smsk_page.h"
#include "pages/zone_page.h"

namespace orva {
namespace {

template <typename P> EditorPage *MakePage(PageHost &host, QWidget *tab)
{
    return new P(host, tab);
}

const PageRow Rows[] = {
    {u"TabCommon", PageSlot::Common, &MakePage<CommonPage>},
    {u"TabMode", PageSlot::Mode, &MakePage<ModePage>},
    {u"TabRezervAndSignal", PageSlot::Indic, &MakePage<IndicPage>},
    {u"TabShleifs", PageSlot::Shleifs, &MakePage<ShleifsPage>},
    {u"TabRele", PageSlot::Rele, &MakePage<RelePage>},
    {u"TabKeys", PageSlot::Keys, &MakePage<KeysPage>},
    {u"TabZone", PageSlot::Zone, &MakePage<ZonePage>},
    {u"TabSMS", PageSlot::SMS, &MakePage<SmsPage>},
    {u"TabSMSK", PageSlot::SMSK, &MakePage<SmskPage>},
    {u"TabDialGSM", PageSlot::GSM, &MakePage<GsmPage>},
    {u"TabGPRS", PageSlot::GPRS, &MakePage<GprsPage>},
};

constexpr PageSlot Stores[] = {PageSlot::Mode, PageSlot::Indic, PageSlot::Shleifs, PageSlot::Rele,
                               PageSlot::Keys, PageSlot::Zone,  PageSlot::SMS,     PageSlot::SMSK,
                               PageSlot::GSM,  PageSlot::GPRS,  PageSlot::Common};

template <typename P> P *PageAt(const PageList &pages, PageSlot slot)
{
    return static_cast<P *>(pages[static_cast<int>(slot)]);
}

} // namespace

std::span<const PageRow> PageTable()
{
    return Rows;
}

std::span<const PageSlot> StoreOrder()
{
    return Stores;
}

void ConnectPages(const PageList &pages)
{
    QObject::connect(PageAt<KeysPage>(pages, PageSlot::Keys), &KeysPage::KeyNameChanged,
                     PageAt<SmskPage>(pages, PageSlot::SMSK), &SmskPage::SMSK_Redraw_KeyName);
    QObject::connect(PageAt<GprsPage>(pages, PageSlot::GPRS), &GprsPage::GprsSwitched,
                     PageAt<ModePage>(pages, PageSlot::Mode), &ModePage::EnableLockNoGPRS);
}

} // namespace orva
