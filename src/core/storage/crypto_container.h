#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orva {

// The encrypted configuration container (".cry"), read only. In file order:
//   the signature line "ППКОП ZENTRIX-Orva" (compared trimmed and upper-cased), ended by CR or LF;
//   any run of CR and LF bytes;
//   the device name (10 bytes) and the identifier (12 bytes), plain;
//   the cipher body: whole 8-byte blocks, at least one.
// The body decrypts (GOST 28147-89, ECB) and un-chains into a stream of n bytes: filler, the
// configuration text, its CRC-16/MODBUS high byte first, and the text's offset s in the last byte.
inline constexpr QStringView CryptoSignature = u"ППКОП ZENTRIX-Orva";
inline constexpr qsizetype CryptoDeviceNameSize = 10;
inline constexpr qsizetype CryptoIdentifierSize = 12;
inline constexpr qsizetype CryptoHeaderFieldsSize = CryptoDeviceNameSize + CryptoIdentifierSize;
// Only this many bytes of a file are read; the rest is ignored.
inline constexpr qint64 CryptoFileReadLimit = 64001;

// The result codes of one decoding attempt (`LoadCryptoFile`).
enum class CryptoResult : int {
    Decoded = 0,      // the text is in the result
    BadSignature = 1, // signature line missing or different; also a file that cannot be read
    BadSize = 2,      // the body is empty, cut short, or not whole 8-byte blocks
    EmptyKey = 3,     // the prepared key is shorter than 32 characters (only an empty key is)
    WrongKey = 4,     // checksum mismatch: wrong key or damaged file
    // Not a property of the file: libgcrypt cannot provide the cipher (for example a FIPS-only
    // system without GOST). Reported as it is rather than as a wrong key.
    CipherUnavailable = 5,
};

struct CryptoDecodeResult
{
    CryptoResult code = CryptoResult::BadSignature;
    QByteArray textBytes; // the configuration text as stored (Windows-1251); empty unless Decoded
    // More about a failure when there is more to say: why the file could not be read, a key character
    // with no Windows-1251 form, the cipher library's complaint. Empty otherwise.
    QString detail;

    bool ok() const { return code == CryptoResult::Decoded; }
    // The text as characters, one per byte (line breaks as stored).
    QString text() const;
};

// Where the plain header fields start: after the signature line and the CR and LF bytes that follow
// it. `signatureOk` tells whether the signature line matched.
struct CryptoHeaderPosition
{
    bool signatureOk = false;
    qsizetype headerStart = 0;

    qsizetype bodyStart() const { return headerStart + CryptoHeaderFieldsSize; }
};
CryptoHeaderPosition LocateCryptoHeader(QByteArrayView bytes);

// True when the file's extension is ".cry" in any letter case: the editor opens it as a container.
bool IsContainerFileName(const QString &path);

// True when the bytes start like a container (their first line is the signature line).
inline bool HasCryptoSignature(QByteArrayView bytes)
{
    return LocateCryptoHeader(bytes).signatureOk;
}

// What a container's bytes (the first 64001 of them) tell without the key: BadSignature, BadSize (the
// body is empty, cut short or not whole 8-byte blocks), or Decoded when there is a body to decrypt.
// Decoding reports the same, and the command line reports it before it asks for a key.
CryptoResult CheckCryptoLayout(QByteArrayView fileBytes);

// Decodes a container from its bytes (only the first 64001 are used) with a key prepared by
// `PrepareCryptoKey`. Never reads outside the bytes or the decrypted stream.
CryptoDecodeResult DecodeCryptoContainer(QByteArrayView fileBytes, QStringView preparedKey);

// One decoding attempt of one file: reads at most its first 64001 bytes. An empty key gives
// EmptyKey before the file is opened; a file that cannot be read gives BadSignature with the reason
// in `detail`.
CryptoDecodeResult LoadCryptoFile(const QString &path, QStringView preparedKey);

// The error box texts for BadSignature and BadSize; empty for the other results (a wrong or empty key
// brings the key dialog back instead).
struct CryptoFailureMessage
{
    QString headline;
    QString hint;

    bool isEmpty() const { return headline.isEmpty(); }
};
CryptoFailureMessage CryptoFailureMessageFor(CryptoResult code);

} // namespace orva
