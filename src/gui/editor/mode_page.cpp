#include "mode_page.h"

namespace orva {

ModePage::ModePage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Mode, tab) {}

void ModePage::Redraw_Mode() {}

void ModePage::UnLoad_Mode() {}

} // namespace orva
