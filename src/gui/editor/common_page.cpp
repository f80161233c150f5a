#include "common_page.h"

namespace orva {

CommonPage::CommonPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Common, tab) {}

void CommonPage::Redraw_Common() {}

void CommonPage::UnLoad_Common() {}

} // namespace orva
