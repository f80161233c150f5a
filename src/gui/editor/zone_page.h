#pragma once

#include "editor_page.h"

namespace orva {

// The page "Разделы" (TabZone): the zone page; its tab is never shown and it holds no configuration data.
class ZonePage : public EditorPage
{
    Q_OBJECT
public:
    ZonePage(PageHost &host, QWidget *tab);

    // Builds the controls that are made at run time; the window runs it once when it is created.
    void Create_Zone();
    void Redraw_Zone();
    void UnLoad_Zone();

    void redraw() override { Redraw_Zone(); }
    void unload() override { UnLoad_Zone(); }
    // TabZoneShow: the page redraws before it takes the focus back.
    void BeforeShow() override;
};

} // namespace orva
