#include "win1251_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orva {
namespace {
constexpr const char *CodecName = "windows-1251";

// The first character (counted in UTF-16 units) that the encoder refuses; the encoder only says that
// one was refused, so the text is searched once more, character by character.
qsizetype firstUnencodable(QStringView text, char32_t *codePoint)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
        // encode() converts only when its result becomes a QByteArray; until then no error is known.
        const QByteArray bytes = encoder.encode(text.sliced(i, width));
        if (encoder.hasError()) {
            if (codePoint)
                *codePoint = width == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            return i;
        }
        i += width;
    }
    return -1;
}
} // namespace

QString DecodeWindows1251(QByteArrayView bytes)
{
    QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

EncodeResult EncodeWindows1251(QStringView text)
{
    EncodeResult result;
    QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) {
        result.bytes = std::move(bytes);
        return result;
    }
    result.errorIndex = firstUnencodable(text, &result.errorCodePoint);
    if (result.errorIndex < 0) // the encoder failed on the whole text but on no single character
        result.errorIndex = 0;
    return result;
}

bool IsWindows1251Text(QStringView text, qsizetype *index, char32_t *codePoint)
{
    QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return true;
    const qsizetype at = firstUnencodable(text, codePoint);
    if (index)
        *index = qMax<qsizetype>(at, 0);
    return false;
}

} // namespace orva
