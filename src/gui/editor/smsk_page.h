#pragma once

#include "editor_page.h"

namespace orva {

// The page "SMS-К" (TabSMSK): the phones that receive SMS about chosen keys.
class SmskPage : public EditorPage
{
    Q_OBJECT
public:
    SmskPage(PageHost &host, QWidget *tab);

    // Builds the controls that are made at run time; the window runs it once when it is created.
    void Create_SMSK();
    void Redraw_SMSK();
    void UnLoad_SMSK();

    void redraw() override { Redraw_SMSK(); }
    void unload() override { UnLoad_SMSK(); }
};

} // namespace orva
