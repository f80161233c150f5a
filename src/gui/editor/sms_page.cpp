#include "sms_page.h"

namespace orva {

SmsPage::SmsPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::SMS, tab) {}

void SmsPage::Redraw_SMS() {}

void SmsPage::UnLoad_SMS() {}

} // namespace orva
