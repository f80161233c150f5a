#pragma once

#include "editor_page.h"

namespace orva {

// The page "Ключи" (TabKeys): the fifteen user keys with their types and aliases.
class KeysPage : public EditorPage
{
    Q_OBJECT
public:
    KeysPage(PageHost &host, QWidget *tab);

    // Builds the controls that are made at run time; the window runs it once when it is created.
    void Create_Keys();
    void Redraw_Keys();
    void UnLoad_Keys();

    void redraw() override { Redraw_Keys(); }
    void unload() override { UnLoad_Keys(); }
};

} // namespace orva
