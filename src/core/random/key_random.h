#pragma once

#include <QString>

namespace orva {

// Digits for encryption keys, drawn from libgcrypt's strong random source (GCRY_STRONG_RANDOM, seeded
// from the system's entropy). A key must not be guessable from an earlier one: the program's own
// 32-bit generator (ProgramRandom) is never used for keys.
//
// `count` upper-case hexadecimal digits ("0".."9", "A".."F"); an empty text when libgcrypt cannot be
// used (the caller then leaves the key as it was).
QString StrongRandomHexDigits(int count);

} // namespace orva
