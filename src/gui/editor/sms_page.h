#pragma once

#include "editor_page.h"

namespace orva {

// The page "SMS" (TabSMS): the SMS phones and their message sets.
class SmsPage : public EditorPage
{
    Q_OBJECT
public:
    SmsPage(PageHost &host, QWidget *tab);

    void Redraw_SMS();
    void UnLoad_SMS();

    void redraw() override { Redraw_SMS(); }
    void unload() override { UnLoad_SMS(); }
};

} // namespace orva
