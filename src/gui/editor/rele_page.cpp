#include "rele_page.h"

namespace orva {

RelePage::RelePage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Rele, tab) {}

void RelePage::Create_Rele() {}

void RelePage::Redraw_Rele() {}

void RelePage::UnLoad_Rele() {}

void RelePage::RedrawAfterDefault(bool isCurrentPage)
{
    if (isCurrentPage)
        Redraw_Rele();
}

} // namespace orva
