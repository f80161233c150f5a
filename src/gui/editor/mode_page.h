#pragma once

#include "editor_page.h"

namespace orva {

// The page "Режимы" (TabMode): exit delay, SIM selection and the mode switches.
class ModePage : public EditorPage
{
    Q_OBJECT
public:
    ModePage(PageHost &host, QWidget *tab);

    void Redraw_Mode();
    void UnLoad_Mode();

    void redraw() override { Redraw_Mode(); }
    void unload() override { UnLoad_Mode(); }
};

} // namespace orva
