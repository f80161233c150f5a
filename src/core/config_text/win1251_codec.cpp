#include "win1251_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace orva {
namespace {
constexpr const char *CodecName = "windows-1251";
constexpr int ByteCount = 256;

// The code page as tables taken once from Qt's converter: the character of every byte and the byte of
// every character. The bytes of the characters are kept in pages of 256 characters, one page for each
// high byte the code page uses (Windows-1251 needs four), so a character's byte is two loads away.
// Converting through them gives exactly what the converter gives (the tests compare the two for every
// character), without opening a converter per text: the file list converts thousands of files.
struct CodePage
{
    static constexpr qint16 NoByte = -1;
    using BytePage = std::array<qint16, ByteCount>;

    bool usable = false;        // false if the converter does not give one distinct character per byte
    bool asciiIsItself = false; // bytes 0x00..0x7F are U+0000..U+007F
    std::array<char16_t, ByteCount> toChar{};
    // Index = a character's high byte: its page in bytePages; page 0 has no character.
    std::array<quint16, ByteCount> pageOf{};
    std::vector<BytePage> bytePages;

    CodePage()
    {
        QByteArray bytes(ByteCount, '\0');
        for (int b = 0; b < ByteCount; ++b)
            bytes[b] = char(b);
        QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
        const QString chars = decoder.decode(bytes);
        if (decoder.hasError() || chars.size() != ByteCount)
            return;
        bytePages.emplace_back();
        bytePages.back().fill(NoByte);
        bool distinct = true;
        for (int b = 0; b < ByteCount; ++b) {
            toChar[b] = chars[b].unicode();
            qint16 &slot = byteSlot(toChar[b]);
            distinct = distinct && slot == NoByte;
            slot = qint16(b);
        }
        QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
        const QByteArray back = encoder.encode(chars);
        usable = distinct && !encoder.hasError() && back == bytes;
        asciiIsItself = true;
        for (int b = 0; b < 0x80; ++b)
            asciiIsItself = asciiIsItself && toChar[b] == char16_t(b);
    }

    // The byte of a character, or -1 when it has none.
    int byteOf(char16_t c) const { return bytePages[pageOf[c >> 8]][c & 0xFF]; }

private:
    // The table entry of a character, its page added when it has none yet.
    qint16 &byteSlot(char16_t c)
    {
        quint16 &page = pageOf[c >> 8];
        if (page == 0) {
            page = quint16(bytePages.size());
            bytePages.emplace_back();
            bytePages.back().fill(NoByte);
        }
        return bytePages[page][c & 0xFF];
    }
};

const CodePage &codePage()
{
    static const CodePage page;
    return page;
}

// The first character (counted in UTF-16 units) that has no Windows-1251 form, or -1.
qsizetype firstUnencodable(QStringView text, char32_t *codePoint)
{
    const CodePage &page = codePage();
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        bool refused = false;
        if (page.usable) {
            refused = width == 2 || page.byteOf(text[i].unicode()) < 0;
        } else {
            QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
            // encode() converts only when its result becomes a QByteArray; until then no error is known.
            const QByteArray bytes = encoder.encode(text.sliced(i, width));
            refused = encoder.hasError() || bytes.isEmpty();
        }
        if (refused) {
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
    const CodePage &page = codePage();
    if (!page.usable) {
        QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
        return decoder.decode(bytes);
    }
    if (page.asciiIsItself) {
        // Configuration texts are mostly ASCII: Qt widens every byte at once (as Latin-1, with SIMD),
        // then the bytes from 0x80 up, found sixteen at a time, are put right through the table.
        QString text = QString::fromLatin1(bytes);
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
        constexpr qsizetype Block = 16;
        qsizetype i = 0;
        for (; i + Block <= bytes.size(); i += Block) {
            quint64 block[2];
            std::memcpy(block, in + i, Block);
            if (!((block[0] | block[1]) & 0x8080808080808080ULL))
                continue;
            for (qsizetype j = i; j < i + Block; ++j)
                out[j] = page.toChar[in[j]];
        }
        for (; i < bytes.size(); ++i)
            out[i] = page.toChar[in[i]];
        return text;
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = page.toChar[uchar(bytes[i])];
    return text;
}

bool EncodeWindows1251Into(QStringView text, char *to)
{
    const CodePage &page = codePage();
    if (!page.usable) {
        QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(text);
        if (encoder.hasError() || bytes.size() != text.size())
            return false;
        std::memcpy(to, bytes.constData(), size_t(bytes.size()));
        return true;
    }
    const char16_t *in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = page.byteOf(in[i]);
        if (b < 0)
            return false;
        to[i] = char(b);
    }
    return true;
}

EncodeResult EncodeWindows1251(QStringView text)
{
    EncodeResult result;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    if (EncodeWindows1251Into(text, bytes.data())) {
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
    const qsizetype at = firstUnencodable(text, codePoint);
    if (at < 0)
        return true;
    if (index)
        *index = at;
    return false;
}

} // namespace orva
