#include "gsm_page.h"

namespace orva {

GsmPage::GsmPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::GSM, tab) {}

void GsmPage::Redraw_GSM() {}

void GsmPage::UnLoad_GSM() {}

} // namespace orva
