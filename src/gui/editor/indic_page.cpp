#include "indic_page.h"

namespace orva {

IndicPage::IndicPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Indic, tab) {}

void IndicPage::Redraw_Indic() {}

void IndicPage::UnLoad_Indic() {}

} // namespace orva
