#include "keys_page.h"

namespace orva {

KeysPage::KeysPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Keys, tab) {}

void KeysPage::Create_Keys() {}

void KeysPage::Redraw_Keys() {}

void KeysPage::UnLoad_Keys() {}

} // namespace orva
