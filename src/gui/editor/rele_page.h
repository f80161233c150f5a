#pragma once

#include "editor_page.h"

namespace orva {

// The page "Реле" (TabRele): the four relays with their modes and times.
class RelePage : public EditorPage
{
    Q_OBJECT
public:
    RelePage(PageHost &host, QWidget *tab);

    // Builds the controls that are made at run time; the window runs it once when it is created.
    void Create_Rele();
    void Redraw_Rele();
    void UnLoad_Rele();

    void redraw() override { Redraw_Rele(); }
    void unload() override { UnLoad_Rele(); }
    // A default written by the check redraws this page only while the user sees it.
    void RedrawAfterDefault(bool isCurrentPage) override;
};

} // namespace orva
