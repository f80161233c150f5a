#include "shleifs_page.h"

namespace orva {

ShleifsPage::ShleifsPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Shleifs, tab) {}

void ShleifsPage::Redraw_Shleifs() {}

void ShleifsPage::UnLoad_Shleifs() {}

void ShleifsPage::RedrawAfterDefault(bool isCurrentPage)
{
    if (isCurrentPage)
        Redraw_Shleifs();
}

} // namespace orva
