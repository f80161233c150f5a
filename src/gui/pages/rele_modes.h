#pragma once

#include <QString>

namespace orva {

// The mode buttons of the group "Режим работы реле": mode number and button name; the captions are the
// core's (`PageChoices::RelayModes`). The row texts of the relay list name a relay's mode by its
// button's caption.
struct ReleModeRow
{
    qint32 mode;
    const char16_t *name;
};

inline constexpr ReleModeRow ReleModeRows[] = {
    {0, u"RB_ReleSMS"},         {1, u"RB_RelePCNGuard"},   {2, u"RB_ReleTranspGuard"},
    {3, u"RB_ReleLamp"},        {4, u"RB_ReleSirena1"},    {5, u"RB_ReleSirena2"},
    {6, u"RB_RelePCNFire"},     {7, u"RB_ReleTranspFire"}, {8, u"RB_ReleSirena1Fire"},
    {9, u"RB_ReleSirena2Fire"}, {10, u"RB_ReleLocker"},
};

inline constexpr qint32 ReleSmsMode = 0;
inline constexpr qint32 ReleLockMode = 10;

// The caption of a mode's button; empty for a number without a button.
QString ReleModeCaption(qint32 mode);

} // namespace orva
