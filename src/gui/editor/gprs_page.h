#pragma once

#include "editor_page.h"

namespace orva {

// The page "GPRS" (TabGPRS): GPRS access, servers, periods, identifier and encryption key.
class GprsPage : public EditorPage
{
    Q_OBJECT
public:
    GprsPage(PageHost &host, QWidget *tab);

    // Builds the controls that are made at run time; the window runs it once when it is created.
    void Create_GPRS();
    void Redraw_GPRS();
    void UnLoad_GPRS();

    void redraw() override { Redraw_GPRS(); }
    void unload() override { UnLoad_GPRS(); }
};

} // namespace orva
