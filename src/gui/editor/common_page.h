#pragma once

#include "editor_page.h"

namespace orva {

// The page "Общие" (TabCommon): the file key and the old key, the remote-control password, the SIM phone
// numbers and the balance control; the status line of the window stands on this page.
class CommonPage : public EditorPage
{
    Q_OBJECT
public:
    CommonPage(PageHost &host, QWidget *tab);

    void Redraw_Common();
    void UnLoad_Common();

    void redraw() override { Redraw_Common(); }
    void unload() override { UnLoad_Common(); }
};

} // namespace orva
