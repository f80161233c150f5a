#pragma once

#include "pages/page_slot.h"

#include <array>
#include <span>

class QWidget;

namespace orva {

class EditorPage;
class PageHost;

// One page of the window's page control: its tab's objectName (the caption is the field catalogue's),
// its slot and how it is made.
struct PageRow
{
    const char16_t *name;
    PageSlot slot;
    EditorPage *(*make)(PageHost &, QWidget *);
};

// The pages in tab order, which is also the order in which they load the model and build their late
// controls; "Текст" follows them with "-debug".
std::span<const PageRow> PageTable();

// The order in which the pages store into the model: tab order with "Общие" last, so that its key
// fields are read after every other page has stored.
std::span<const PageSlot> StoreOrder();

using PageList = std::array<EditorPage *, PageSlotCount>;

// The steps that reach across pages, as connections: a key's alias or type changed on the keys page
// redraws its caption on the SMS-by-keys page; the GPRS switch enables the Mode page's "no arming
// without GPRS" box.
void ConnectPages(const PageList &pages);

} // namespace orva
