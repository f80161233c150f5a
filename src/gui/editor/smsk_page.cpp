#include "smsk_page.h"

namespace orva {

SmskPage::SmskPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::SMSK, tab) {}

void SmskPage::Create_SMSK() {}

void SmskPage::Redraw_SMSK() {}

void SmskPage::UnLoad_SMSK() {}

} // namespace orva
