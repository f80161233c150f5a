#pragma once

#include "pages/editor_page.h"

#include "device_model/device.h"

#include <array>

namespace orva {

class UpDown;

// The page "Общие" (TabCommon): the file key and the old key, the remote-control password, the SIM phone
// numbers and the balance control; the status line of the window stands on this page.
class CommonPage : public EditorPage
{
    Q_OBJECT
public:
    CommonPage(PageHost &host, QWidget *tab);

    void Redraw_Common();
    void UnLoad_Common();

    void load() override { Redraw_Common(); }
    void store() override { UnLoad_Common(); }

private:
    // The steppers of one SIM card's balance control.
    struct Balance
    {
        UpDown *delayUpDown = nullptr;
        UpDown *valueUpDown = nullptr;
    };

    void BuildAccess();
    void BuildPhones();
    void BuildBalance();
    void BuildBalanceOf(QWidget *group, int sim, int top);

    std::array<Balance, T_Command_DEVICE::SimCount> m_balance{};
};

} // namespace orva
