#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orva {

// The block cipher of the encrypted configuration container: GOST 28147-89 (64-bit blocks, 256-bit
// key, key words and block halves little-endian) in electronic-codebook mode, with the substitution
// table of GOST R 34.12-2015 / RFC 7836 ("param-Z"), so that any standard implementation can make
// containers the program reads. libgcrypt does the work.
inline constexpr qsizetype GostBlockSize = 8;
inline constexpr qsizetype GostKeySize = 32;
// libgcrypt's name of the substitution table (the OID of the param-Z table).
inline constexpr char GostSubstitutionTableOid[] = "1.2.643.7.1.2.5.1.1";

struct CryptoLibraryStatus
{
    bool ok = false;
    QString error; // why libgcrypt cannot be used, for the user
};

// Initialises libgcrypt the first time it is called, as its manual asks of a program: version check
// first, secure memory off (the program keeps no long-lived secrets), initialisation finished.
// Later calls return the first call's status.
const CryptoLibraryStatus &InitializeCryptoLibrary();

struct GostResult
{
    QByteArray bytes;
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }
};

// Decrypts `data` block by block. `key` must hold 32 bytes and `data` whole 8-byte blocks; anything
// else, or a libgcrypt failure, gives an error and no bytes.
GostResult DecryptGostEcb(QByteArrayView key, QByteArrayView data);

} // namespace orva
