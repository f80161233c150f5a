#pragma once

#include "editor_page.h"

namespace orva {

// The page "Индикация" (TabRezervAndSignal): duty messages, the external indicator and the buzzers.
class IndicPage : public EditorPage
{
    Q_OBJECT
public:
    IndicPage(PageHost &host, QWidget *tab);

    void Redraw_Indic();
    void UnLoad_Indic();

    void redraw() override { Redraw_Indic(); }
    void unload() override { UnLoad_Indic(); }
};

} // namespace orva
