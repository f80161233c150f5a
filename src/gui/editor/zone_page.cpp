#include "zone_page.h"

namespace orva {

ZonePage::ZonePage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Zone, tab) {}

void ZonePage::Create_Zone() {}

void ZonePage::Redraw_Zone() {}

void ZonePage::UnLoad_Zone() {}

void ZonePage::BeforeShow()
{
    Redraw_Zone();
}

} // namespace orva
