#pragma once

#include <QString>
#include <QStringView>

namespace orva {

// Length of the key text the container cipher takes (one Windows-1251 byte per character).
inline constexpr qsizetype CryptoKeyLength = 32;

// The key text as the container cipher takes it: trimmed of leading and trailing blanks and control
// characters, doubled until it has at least 32 characters, cut to its first 32. So "abcde" gives
// "abcde" six times and then "ab", and a key written twice gives the same text as the key itself.
// A key that is empty after trimming gives an empty text (decoding then reports an empty key).
QString PrepareCryptoKey(QStringView keyText);

} // namespace orva
