#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orva::test {

// GOST 28147-89 in electronic-codebook mode with the param-Z substitution table of RFC 7836, written
// straight from the algorithm's description (key words and block halves little-endian, row j of the
// table for nibble j, 32 rounds, the result stored as N2 then N1) and independent of libgcrypt. The
// tests make containers with it and hold the program's libgcrypt setup against it.
// `key` must be 32 bytes and `data` whole 8-byte blocks; otherwise the result is empty.
QByteArray ReferenceGostEncrypt(QByteArrayView key, QByteArrayView data);
QByteArray ReferenceGostDecrypt(QByteArrayView key, QByteArrayView data);

} // namespace orva::test
