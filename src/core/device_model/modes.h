#pragma once

#include <QtGlobal>

namespace orva {

// The modes of loops, relays and SIM card selection by name. Each value is the number the configuration
// stores; a stored number without a name (a loop mode 13 read from a file) keeps its number, so a mode
// read and stored again is the same number. The mode rows (mode_rows.h) hold the captions, texts,
// pictures and buttons of the loop and relay modes; the vocabularies (vocabularies.h) and PageChoices
// read them from there.

// Loop mode: `lm` parameter 1. The names are those of the mode's button and picture.
enum class LoopMode : qint32 {
    None = 0,          // no mode: a loop not in use, like Unused
    GuardDelay = 1,    // "охранный с задержкой": carries the delay
    Guard = 2,         // "охранный без задержки"
    GuardDrop = 3,     // "охранный без задержки,расщепленный"
    GuardWalk = 4,     // "охранный проходной"
    GuardWalkDrop = 5, // "охранный проходной,расщепленный"
    GuardKts = 6,      // "охранный КТС" (panic)
    Unused = 7,        // "не используется": the command table's default
    Fire1 = 8,         // "пожарный тип 1 (дымовые извещатели)"
    Fire2 = 9,         // "пожарный тип 2 (дымовые+тепловые)"
    Fire3 = 10,        // "пожарный тип 3 (тепловые извещатели)"
    Fire4 = 11,        // "пожарный тип 1 (c контрольным сбросом)"
    Fire5 = 12,        // "пожарный тип 2 (с контрольным сбросом)"
    // 13 lies within the command table's range but names no mode.
    Patrol = 14,     // "патруль"
    Control = 15,    // "управление": the loop arms and disarms its zone
    GuardFixed = 16, // "охранный с фиксированной задержкой": carries the delay
};

// Relay mode: `rm` parameter 1. The names are those of the mode's button and picture.
enum class RelayMode : qint32 {
    Sms = 0,         // "управление SMS": the command table's default; no on-time
    PcnGuard = 1,    // central-station output, security
    TranspGuard = 2, // light panel, security
    Lamp = 3,
    Sirena1 = 4,
    Sirena2 = 5,
    PcnFire = 6, // central-station output, fire
    TranspFire = 7,
    Sirena1Fire = 8,
    Sirena2Fire = 9,
    Locker = 10, // "ЗАМОК": follows a single zone; no on-time
    None = 255,  // no relay: an empty text
};

// SIM card selection: `cm` parameter 1. Every stored number other than 2 works as Symmetric.
enum class SimMode : qint32 {
    Symmetric = 1, // "симметричный"
    Reserve = 2,   // "резервированный": the return delay and the main card apply
};

// A dial phone's mode (`dn` parameter 1) by what the panel does: modes 1..4 call with a connection
// and send the message in it, modes 5..7 call without one (the call is the message), any other number
// leaves the phone unused. The GSM page shows one list of each.
enum class DialMode : int { Free = 0, Dial = 1, Connect = 2 };
inline constexpr int DialModeCount = 3;

constexpr DialMode DialModeOf(qint32 mode)
{
    if (mode >= 1 && mode <= 4)
        return DialMode::Connect;
    if (mode >= 5 && mode <= 7)
        return DialMode::Dial;
    return DialMode::Free;
}

// The one conversion between a stored number and a named mode (the identity for plain numbers).
template <typename T> constexpr T FromStored(qint32 stored)
{
    return static_cast<T>(stored);
}

template <typename T> constexpr qint32 ToStored(T value)
{
    return static_cast<qint32>(value);
}

} // namespace orva
