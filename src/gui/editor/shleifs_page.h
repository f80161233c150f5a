#pragma once

#include "editor_page.h"

namespace orva {

// The page "Шлейфы" (TabShleifs): the four alarm loops: use, type, delay, alias, and the alarm repeats.
class ShleifsPage : public EditorPage
{
    Q_OBJECT
public:
    ShleifsPage(PageHost &host, QWidget *tab);

    void Redraw_Shleifs();
    void UnLoad_Shleifs();

    void redraw() override { Redraw_Shleifs(); }
    void unload() override { UnLoad_Shleifs(); }
    // A default written by the check redraws this page only while the user sees it.
    void RedrawAfterDefault(bool isCurrentPage) override;
};

} // namespace orva
