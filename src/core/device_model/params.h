#pragma once

#include "command.h"
#include "command_table.h"
#include "modes.h"

namespace orva {

// The parameters of the configuration by name, one place per parameter: which command holds it and at
// which position. Read and write them through the model or a record of the command:
//     model.get(Loop::Delay, loop)      model.set(Loop::Mode, loop, LoopMode::Unused)
//     record.get(Relay::Time)           model.get(Panel::Name)
// A mode parameter reads as its enum (modes.h); every other number as qint32. Lists (zones, the keys of
// an SMS-by-keys phone) are named here too and read by the model's zone relations and the records'
// items.

// Range and default of a number's command-table column.
template <typename T> qint32 MinOf(NumberParam<T> param)
{
    return CommandRowOf(param.code).minOf(param.position);
}

template <typename T> qint32 MaxOf(NumberParam<T> param)
{
    return CommandRowOf(param.code).maxOf(param.position);
}

template <typename T> qint32 DefaultOf(NumberParam<T> param)
{
    return CommandRowOf(param.code).defaultOf(param.position);
}

namespace Panel {
inline constexpr TextParam Version{Cmd::Zentrix, 1};
inline constexpr TextParam FileKey{Cmd::ks, 1}; // instance 1: the key, 2: the previous key
inline constexpr TextParam Password{Cmd::Password, 1};
inline constexpr TextParam Name{Cmd::oa, 1};
inline constexpr NumberParam<> ExitDelay{Cmd::xo, 1};       // seconds
inline constexpr NumberParam<> LockWithoutGprs{Cmd::ci, 1}; // 1: no arming without GPRS
inline constexpr NumberParam<> Log{Cmd::lf, 1};             // 1: the panel keeps a log file
inline constexpr NumberParam<> DisarmReset{Cmd::es, 1};     // 1: disarming resets fire loops and sirens first
inline constexpr NumberParam<> EntryMessage{Cmd::em, 1};    // 1: the message "ВХОД"
} // namespace Panel

// SIM card n (instance n of ph, cb, ct) and the choice between the two cards.
namespace Sim {
inline constexpr NumberParam<SimMode> Mode{Cmd::cm, 1};
inline constexpr NumberParam<> ReturnDelay{Cmd::cm, 2}; // minutes before returning to the main card
inline constexpr NumberParam<> Attempts{Cmd::ca, 1};    // failed attempts before the card is switched
inline constexpr NumberParam<> Master{Cmd::ms, 1};      // the main card: 0 card 1, 1 card 2
inline constexpr TextParam Phone{Cmd::ph, 1};
inline constexpr NumberParam<> BalancePeriod{Cmd::cb, 1}; // hours, 0: no balance check
inline constexpr TextParam BalanceCode{Cmd::cb, 2};
inline constexpr NumberParam<> BalanceThreshold{Cmd::ct, 1}; // tariff units
} // namespace Sim

namespace Indication {
inline constexpr NumberParam<> BuzzerVolume{Cmd::bv, 1};
inline constexpr NumberParam<> ExternalBuzzer{Cmd::eb, 1}; // 1: on
inline constexpr NumberParam<> DutyPeriod{Cmd::om, 1};     // hours, 0: no duty message
inline constexpr NumberParam<> IndicatorTime{Cmd::el, 1};  // seconds
inline constexpr NumberParam<> IndicatorZone{Cmd::ez, 1};
} // namespace Indication

// Loop n: instance n of la and lm.
namespace Loop {
inline constexpr TextParam Alias{Cmd::la, 1};
inline constexpr NumberParam<LoopMode> Mode{Cmd::lm, 1};
inline constexpr NumberParam<> Delay{Cmd::lm, 2};        // seconds; 0 for a mode without a delay
inline constexpr NumberParam<> AlarmRepeats{Cmd::lc, 1}; // all loops; 0: all
} // namespace Loop

// Relay n: instance n of rm.
namespace Relay {
inline constexpr NumberParam<RelayMode> Mode{Cmd::rm, 1};
inline constexpr NumberParam<> Time{Cmd::rm, 2};        // on-time in seconds
inline constexpr NumberParam<> OnPanicLoop{Cmd::br, 1}; // all relays; 1: a panic (КТС) loop activates them
inline constexpr NumberParam<> OnTamper{Cmd::tb, 1};    // all relays; 1: the tamper activates them
} // namespace Relay

// Zone n's loops (zn), relay n's zones (rz), key n's zones (uz).
namespace Zone {
inline constexpr ListParam Loops{Cmd::zn, 1};
inline constexpr ListParam RelayZones{Cmd::rz, 1};
inline constexpr ListParam KeyZones{Cmd::uz, 1};
} // namespace Zone

namespace Sms {
inline constexpr NumberParam<> Charset{Cmd::sk, 1};  // 1: Cyrillic, 0: transliterated
inline constexpr NumberParam<> SendMode{Cmd::sg, 1}; // 1: GPRS/CSD duplication, 0: reservation
} // namespace Sms

// SMS phone n (sn), SMS-by-keys phone n (su), dial phone n (dn).
namespace SmsPhone {
inline constexpr NumberParam<> MessageSet{Cmd::sn, 1}; // 0: not used
inline constexpr TextParam Number{Cmd::sn, 2};
} // namespace SmsPhone

namespace KeysPhone {
inline constexpr ListParam Keys{Cmd::su, 1};
inline constexpr TextParam Number{Cmd::su, 2};
} // namespace KeysPhone

namespace DialPhone {
inline constexpr NumberParam<> Mode{Cmd::dn, 1}; // 0: not used, 1..4 connected, 5..7 calls without connection
inline constexpr TextParam Number{Cmd::dn, 2};
} // namespace DialPhone

namespace Dialing {
inline constexpr NumberParam<> Delivery{Cmd::ds, 1};
inline constexpr NumberParam<> Protocol{Cmd::dp, 1};
inline constexpr NumberParam<> Transparency{Cmd::dp, 2}; // 0: transparent, 1: not
} // namespace Dialing

// Key n: instance n of ua.
namespace Key {
inline constexpr TextParam Alias{Cmd::ua, 1};   // its first character may mark the type
inline constexpr TextParam Learned{Cmd::ua, 2}; // empty, or the learned-key marker
} // namespace Key

namespace Gprs {
inline constexpr NumberParam<> Active{Cmd::sm, 1}; // message sending mode; 0: no GPRS
inline constexpr TextParam Apn{Cmd::ga, 1};        // SIM card n
inline constexpr TextParam Login{Cmd::gl, 1};
inline constexpr TextParam Password{Cmd::gp, 1};
inline constexpr TextParam ServerAddress{Cmd::gs, 1}; // server n, 1..3 of SIM card 1, 4..6 of card 2
inline constexpr NumberParam<> ServerPort{Cmd::gs, 2};
inline constexpr NumberParam<> Duty1{Cmd::gd, 1};      // seconds between duty messages without confirmation
inline constexpr NumberParam<> Duty2{Cmd::gd, 2};      // and with confirmation
inline constexpr NumberParam<> AnswerWait{Cmd::gt, 1}; // seconds
inline constexpr NumberParam<> NoAnswerCount{Cmd::gt, 2}; // unanswered messages
inline constexpr TextParam Identifier{Cmd::gi, 1};
inline constexpr TextParam KeyPart{Cmd::gk, 1}; // part n of the encryption key
} // namespace Gprs

} // namespace orva
