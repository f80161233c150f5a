#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orva {

// The one edge between bytes and text: every file, container and key the program handles is
// Windows-1251. Each of its 256 bytes is one character, so decoding never fails and encoding a decoded
// text gives back the same bytes.
QString DecodeWindows1251(QByteArrayView bytes);

struct EncodeResult
{
    QByteArray bytes;          // empty when a character has no Windows-1251 form
    qsizetype errorIndex = -1; // index in the text of the first such character
    char32_t errorCodePoint = 0;

    bool ok() const { return errorIndex < 0; }
};

// Encodes the text; a character with no Windows-1251 form is reported, never replaced.
EncodeResult EncodeWindows1251(QStringView text);

// Encodes the text into `to`, which has room for text.size() bytes (one byte per character). Returns
// false, with `to` holding no meaning, when a character has no Windows-1251 form.
bool EncodeWindows1251Into(QStringView text, char *to);

// True when every character of the text has a Windows-1251 form; otherwise `index` and `codePoint`
// tell the first one that has none.
bool IsWindows1251Text(QStringView text, qsizetype *index = nullptr, char32_t *codePoint = nullptr);

} // namespace orva
