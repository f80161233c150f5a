#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

namespace orva::test {

// Reads what tests need from a PDF that Qt wrote (uncompressed document dictionary).

// The number of pages the page tree declares, or -1.
inline int PdfPageCount(const QByteArray &pdf)
{
    const QRegularExpression count(QStringLiteral("/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)"));
    const QRegularExpressionMatch match = count.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The document title: a literal string of UTF-16BE with a byte order mark, "\" escaping the next byte.
inline QString PdfTitle(const QByteArray &pdf)
{
    const QByteArray key("/Title (");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return {};
    QByteArray raw;
    for (qsizetype i = start + key.size(); i < pdf.size() && pdf[i] != ')'; ++i) {
        if (pdf[i] == '\\')
            ++i;
        if (i < pdf.size())
            raw.append(pdf[i]);
    }
    if (!raw.startsWith("\xfe\xff"))
        return QString::fromLatin1(raw);
    QString title;
    for (qsizetype i = 2; i + 1 < raw.size(); i += 2)
        title.append(QChar(char16_t((quint8(raw[i]) << 8) | quint8(raw[i + 1]))));
    return title;
}

} // namespace orva::test
