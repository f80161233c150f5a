#pragma once

#include <QString>

namespace orva {

// The mode buttons of the group "Режим работы реле": mode number, button name and caption. The row
// texts of the relay list name a relay's mode by its button's caption.
struct ReleModeRow
{
    qint32 mode;
    const char16_t *name;
    const char16_t *caption;
};

inline constexpr ReleModeRow ReleModeRows[] = {
    {0, u"RB_ReleSMS", u"SMS"},
    {1, u"RB_RelePCNGuard", u"ПЦН - охрана"},
    {2, u"RB_ReleTranspGuard", u"Транспарант-охрана"},
    {3, u"RB_ReleLamp", u"Лампа"},
    {4, u"RB_ReleSirena1", u"Сирена 1"},
    {5, u"RB_ReleSirena2", u"Сирена 2"},
    {6, u"RB_RelePCNFire", u"ПЦН - пожар"},
    {7, u"RB_ReleTranspFire", u"Транспарант-пожар"},
    {8, u"RB_ReleSirena1Fire", u"Сирена 1 - пожар"},
    {9, u"RB_ReleSirena2Fire", u"Сирена 2 - пожар"},
    {10, u"RB_ReleLocker", u"Замок"},
};

inline constexpr qint32 ReleSmsMode = 0;
inline constexpr qint32 ReleLockMode = 10;

// The caption of a mode's button; empty for a number without a button.
QString ReleModeCaption(qint32 mode);

} // namespace orva
