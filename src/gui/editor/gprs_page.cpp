#include "gprs_page.h"

namespace orva {

GprsPage::GprsPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::GPRS, tab) {}

void GprsPage::Create_GPRS() {}

void GprsPage::Redraw_GPRS() {}

void GprsPage::UnLoad_GPRS() {}

} // namespace orva
