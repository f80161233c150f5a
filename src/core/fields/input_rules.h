#pragma once

#include <QString>

namespace orva {

// The character filters of the entry fields. A refused character is dropped without a message, whether
// it is typed or pasted.
enum class KeyFilter {
    None,         // everything
    FileKey,      // E_Common_KEYKeyPress: blank, 0-9, A-Z, a-z, А..я (not Ё/ё)
    Text,         // EditText_KeyPress: 0-9, A-Z, "_", a-z, А..я
    PhoneNumber,  // EditPhoneNumber_KeyPress: "#", "*", "+", 0-9
    Digital,      // EditDigital_KeyPress: 0-9
    Hex,          // EditHex_KeyPress: 0-9, A-F, a-f
    Address,      // the GPRS server addresses: 0-9 and the group separators "." and ","
    KeyDialog,    // the key entry dialog: blank, 0-9, the characters 65..122, А..я
    FileNameMask, // EditMaskKeyPress: everything except " * / : < > ? \ | and control characters
};

// True when the filter admits the character. Backspace and the editing keys are not characters here:
// every filter leaves them to the field.
bool FilterAdmits(KeyFilter filter, QChar c);

// The text without the characters the filter refuses.
QString FilterText(KeyFilter filter, const QString &text);

// What a paste puts into a field of the filter: the admitted characters. A server address keeps
// everything but blanks, so that a pasted port or prefix length ("10.0.0.1:10001", "10.0.0.1/8") is
// refused when the field is left instead of running into the address's last group.
QString FilterPastedText(KeyFilter filter, const QString &text);

// What an entry field takes: its character filter and the most characters typing and pasting may bring
// its text to (0: no limit). The pages' fields and the command line's `set` both apply it.
struct InputRule
{
    KeyFilter filter = KeyFilter::None;
    int length = 0;
};

// The entry fields of the pages, by what they hold.
namespace InputRules {

constexpr InputRule Digits(int count)
{
    return {KeyFilter::Digital, count};
}

inline constexpr InputRule FileKey{KeyFilter::FileKey, 32};
inline constexpr InputRule RemotePassword{KeyFilter::Text, 5};
inline constexpr InputRule PhoneNumber{KeyFilter::PhoneNumber, 16}; // also the balance request code
inline constexpr InputRule Alias{KeyFilter::Text, 10};              // loops, keys and the device name
inline constexpr InputRule KeyDialogEntry{KeyFilter::KeyDialog, 32};
inline constexpr InputRule BalancePeriod = Digits(2);
inline constexpr InputRule BalanceThreshold = Digits(3);
inline constexpr InputRule ExitDelay = Digits(3);
inline constexpr InputRule SimReturnDelay = Digits(3);
inline constexpr InputRule SimAttempts = Digits(2);
inline constexpr InputRule DutyPeriod = Digits(2);
inline constexpr InputRule IndicatorTime = Digits(3);
inline constexpr InputRule ModeTime = Digits(3); // a loop's delay, a relay's time
inline constexpr InputRule GprsDuty = Digits(3);
inline constexpr InputRule GprsAnswerWait = Digits(2);
inline constexpr InputRule GprsNoAnswerCount = Digits(2);
inline constexpr InputRule ServerPort = Digits(5);
// The grouped GPRS fields take their digits and the separators the program puts in.
inline constexpr InputRule GprsIdentifier{KeyFilter::Hex, 14};    // XXXX-XXXX-XXXX
inline constexpr InputRule GprsKeyPart{KeyFilter::Hex, 23};       // XX-XX-XX-XX-XX-XX-XX-XX
inline constexpr InputRule ServerAddress{KeyFilter::Address, 15}; // 999.999.999.999

} // namespace InputRules

// What the rule takes, in words: "at most 5 characters: digits, Latin and Russian letters and \"_\"".
// Empty for a field without a rule.
QString InputRuleText(const InputRule &rule);

// True when the field would take `text` as typed: every character passes the filter and the text fits
// the length. Otherwise `error` says what the field refused and what it takes.
bool InputRuleTakes(const InputRule &rule, const QString &text, QString *error = nullptr);

} // namespace orva
