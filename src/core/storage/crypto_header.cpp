#include "crypto_header.h"

#include "config_text/win1251_codec.h"
#include "crypto_container.h"
#include "device_model/digit_groups.h"
#include "storage/config_file.h"

namespace orva {

QString FormatListIdentifier(const QString &identifier)
{
    QString text = identifier;
    FormatDigitGroups(text, HexDigits, u'-', u'0', 4, 12, true);
    return text;
}

CryptoFileHeader ParseCryptoFileHeader(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(qMin<qsizetype>(bytes.size(), CryptoHeaderReadLimit));
    CryptoFileHeader header;
    const CryptoHeaderPosition position = LocateCryptoHeader(head);
    // The fields count only when at least one byte of the body follows them within the bytes read.
    header.valid = position.signatureOk && position.bodyStart() < head.size();
    if (header.valid) {
        header.deviceName = DecodeWindows1251(head.sliced(position.headerStart, CryptoDeviceNameSize));
        const QString identifier =
            DecodeWindows1251(head.sliced(position.headerStart + CryptoDeviceNameSize, CryptoIdentifierSize));
        header.identifier = FormatListIdentifier(identifier);
    } else {
        header.identifier = FormatListIdentifier(QString());
    }
    return header;
}

CryptoFileHeader ReadCryptoFileHeader(const QString &path)
{
    const FileReadResult read = ReadFileBytes(path, CryptoHeaderReadLimit);
    return ParseCryptoFileHeader(read.ok ? QByteArrayView(read.bytes) : QByteArrayView());
}

} // namespace orva
