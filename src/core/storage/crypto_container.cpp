#include "crypto_container.h"

#include "config_text/text_utils.h"
#include "config_text/win1251_codec.h"
#include "crc16.h"
#include "crypto_key.h"
#include "gost_cipher.h"
#include "storage/config_file.h"

#include <QFileInfo>

namespace orva {
namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

bool isLineBreak(char c)
{
    return c == CR || c == LF;
}

quint8 rotateRight1(quint8 byte)
{
    return quint8((byte >> 1) | (byte << 7));
}

// Undoes the byte chaining in place, from the last byte down: each byte is rotated right by one bit
// and combined with the decrypted byte before it (still unchanged when it is read); the value before
// the first byte is 0.
void unchain(QByteArray &stream)
{
    for (qsizetype k = stream.size() - 1; k >= 1; --k)
        stream[k] = char(rotateRight1(quint8(stream[k])) ^ quint8(stream[k - 1]));
    if (!stream.isEmpty())
        stream[0] = char(rotateRight1(quint8(stream[0])));
}

QString characterCode(char32_t codePoint)
{
    return QStringLiteral("U+") + QString::number(quint32(codePoint), 16).toUpper().rightJustified(4, u'0');
}

} // namespace

QString CryptoDecodeResult::text() const
{
    return DecodeWindows1251(textBytes);
}

CryptoHeaderPosition LocateCryptoHeader(QByteArrayView bytes)
{
    CryptoHeaderPosition position;
    qsizetype lineEnd = 0;
    while (lineEnd < bytes.size() && !isLineBreak(bytes[lineEnd]))
        ++lineEnd;
    const QString line = TrimBlanksAndControls(DecodeWindows1251(bytes.first(lineEnd))).toUpper();
    position.signatureOk = line == CryptoSignature.toString().toUpper();
    qsizetype header = lineEnd;
    while (header < bytes.size() && isLineBreak(bytes[header]))
        ++header;
    position.headerStart = header;
    return position;
}

CryptoResult CheckCryptoLayout(QByteArrayView fileBytes)
{
    const QByteArrayView bytes = fileBytes.first(qMin<qsizetype>(fileBytes.size(), CryptoFileReadLimit));
    const CryptoHeaderPosition position = LocateCryptoHeader(bytes);
    if (!position.signatureOk)
        return CryptoResult::BadSignature;
    // A file that ends before its body, or whose body is empty, is a size error like a body of broken
    // blocks: there is nothing to decrypt.
    const qsizetype bodyStart = position.bodyStart();
    if (bodyStart >= bytes.size() || (bytes.size() - bodyStart) % GostBlockSize != 0)
        return CryptoResult::BadSize;
    return CryptoResult::Decoded;
}

CryptoDecodeResult DecodeCryptoContainer(QByteArrayView fileBytes, QStringView preparedKey)
{
    CryptoDecodeResult result;
    if (preparedKey.size() < CryptoKeyLength) {
        result.code = CryptoResult::EmptyKey;
        return result;
    }
    result.code = CheckCryptoLayout(fileBytes);
    if (result.code != CryptoResult::Decoded)
        return result;
    const QByteArrayView bytes = fileBytes.first(qMin<qsizetype>(fileBytes.size(), CryptoFileReadLimit));
    const qsizetype bodyStart = LocateCryptoHeader(bytes).bodyStart();
    // Every container key is Windows-1251 text, so a key with another character cannot be the right one.
    const EncodeResult key = EncodeWindows1251(preparedKey.first(CryptoKeyLength));
    if (!key.ok()) {
        result.code = CryptoResult::WrongKey;
        result.detail = QStringLiteral("the key has a character with no Windows-1251 form (%1)")
                            .arg(characterCode(key.errorCodePoint));
        return result;
    }
    GostResult decrypted = DecryptGostEcb(key.bytes, bytes.sliced(bodyStart));
    if (!decrypted.ok()) {
        result.code = CryptoResult::CipherUnavailable;
        result.detail = decrypted.error;
        return result;
    }
    QByteArray stream = std::move(decrypted.bytes);
    unchain(stream);

    // The stream has at least one block: its last three bytes are the checksum and the offset s, and the
    // text runs from s up to the checksum (empty when s points past it).
    const qsizetype n = stream.size();
    const qsizetype textEnd = n - 3;
    const qsizetype s = quint8(stream[n - 1]);
    const quint16 stored = quint16(quint8(stream[n - 3]) << 8 | quint8(stream[n - 2]));
    const QByteArrayView text =
        s < textEnd ? QByteArrayView(stream).sliced(s, textEnd - s) : QByteArrayView();
    if (Crc16Modbus(text) != stored) {
        result.code = CryptoResult::WrongKey;
        return result;
    }
    result.code = CryptoResult::Decoded;
    result.textBytes = text.toByteArray();
    return result;
}

bool IsContainerFileName(const QString &path)
{
    return QFileInfo(path).suffix().compare(u"cry", Qt::CaseInsensitive) == 0;
}

CryptoDecodeResult LoadCryptoFile(const QString &path, QStringView preparedKey)
{
    if (preparedKey.size() < CryptoKeyLength) {
        CryptoDecodeResult result;
        result.code = CryptoResult::EmptyKey;
        return result;
    }
    const FileReadResult read = ReadFileBytes(path, CryptoFileReadLimit);
    if (!read.ok) {
        CryptoDecodeResult result;
        result.code = CryptoResult::BadSignature;
        result.detail = read.error;
        return result;
    }
    return DecodeCryptoContainer(read.bytes, preparedKey);
}

CryptoFailureMessage CryptoFailureMessageFor(CryptoResult code)
{
    const QString hint = QStringLiteral("Проверьте источник файла");
    switch (code) {
    case CryptoResult::BadSignature:
        return {QStringLiteral("Ошибка контрольной сигнатуры файла конфигурации - файл не относится к "
                               "\"Zentrix\" ППКОП Orva"),
                hint};
    case CryptoResult::BadSize:
        // The trailing blank belongs to the message.
        return {QStringLiteral("Ошибка размера файла конфигурации - файл не верный "), hint};
    default:
        return {};
    }
}

} // namespace orva
