#pragma once

#include "editor_page.h"

namespace orva {

// The page "GSM-дозвон" (TabDialGSM): the phones called over the GSM data channel, their message sets,
// delivery and protocol.
class GsmPage : public EditorPage
{
    Q_OBJECT
public:
    GsmPage(PageHost &host, QWidget *tab);

    void Redraw_GSM();
    void UnLoad_GSM();

    void redraw() override { Redraw_GSM(); }
    void unload() override { UnLoad_GSM(); }
};

} // namespace orva
