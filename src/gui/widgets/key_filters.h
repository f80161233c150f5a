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

// What a paste puts into a field of the filter: the admitted characters. A server address keeps
// everything but blanks, so that a pasted port or prefix length ("10.0.0.1:10001", "10.0.0.1/8") is
// refused when the field is left instead of running into the address's last group.
QString FilterPastedText(KeyFilter filter, const QString &text);

// The text without the characters the filter refuses.
QString FilterText(KeyFilter filter, const QString &text);

} // namespace orva
