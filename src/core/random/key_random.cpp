#include "key_random.h"

#include "storage/gost_cipher.h"

#include <gcrypt.h>

#include <QByteArray>

namespace orva {

QString StrongRandomHexDigits(int count)
{
    if (count <= 0 || !InitializeCryptoLibrary().ok)
        return {};
    // One byte gives two digits.
    QByteArray bytes((count + 1) / 2, '\0');
    gcry_randomize(bytes.data(), size_t(bytes.size()), GCRY_STRONG_RANDOM);
    const QString digits = QString::fromLatin1(bytes.toHex().toUpper()).left(count);
    bytes.fill('\0');
    return digits;
}

} // namespace orva
