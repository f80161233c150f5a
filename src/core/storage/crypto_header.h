#pragma once

#include <QByteArrayView>
#include <QString>

namespace orva {

// The configuration file list reads a container's plain header fields from its first 100 bytes,
// without the key.
inline constexpr qint64 CryptoHeaderReadLimit = 100;

struct CryptoFileHeader
{
    bool valid = false; // the signature matched and at least one body byte follows the fields
    QString deviceName; // the 10 bytes of the device name field, one character each; empty if not valid
    QString identifier; // the identifier field as the list shows it ("1234-5678-9ABC"); "0000-0000-0000"
                        // if not valid
};

// The header fields of a container from its first bytes (only the first 100 are looked at).
CryptoFileHeader ParseCryptoFileHeader(QByteArrayView bytes);

// Reads the first 100 bytes of the file and parses them; a file that cannot be read is not valid.
CryptoFileHeader ReadCryptoFileHeader(const QString &path);

// An identifier text as the file list shows it: hexadecimal digit groups of four, "-" between them,
// completed with "0" to 12 digits (lower-case letters stay lower case).
QString FormatListIdentifier(const QString &identifier);

} // namespace orva
