#pragma once

#include "device_model/modes.h"

#include <QString>

namespace orva {

// The mode buttons of the group "Режим работы реле": mode number and button name; the captions are the
// core's (`PageChoices::RelayModes`). The row texts of the relay list name a relay's mode by its
// button's caption.
struct ReleModeRow
{
    RelayMode mode;
    const char16_t *name;
};

inline constexpr ReleModeRow ReleModeRows[] = {
    {RelayMode::Sms, u"RB_ReleSMS"},
    {RelayMode::PcnGuard, u"RB_RelePCNGuard"},
    {RelayMode::TranspGuard, u"RB_ReleTranspGuard"},
    {RelayMode::Lamp, u"RB_ReleLamp"},
    {RelayMode::Sirena1, u"RB_ReleSirena1"},
    {RelayMode::Sirena2, u"RB_ReleSirena2"},
    {RelayMode::PcnFire, u"RB_RelePCNFire"},
    {RelayMode::TranspFire, u"RB_ReleTranspFire"},
    {RelayMode::Sirena1Fire, u"RB_ReleSirena1Fire"},
    {RelayMode::Sirena2Fire, u"RB_ReleSirena2Fire"},
    {RelayMode::Locker, u"RB_ReleLocker"},
};

// The caption of a mode's button; empty for a mode without a button.
QString ReleModeCaption(RelayMode mode);

} // namespace orva
