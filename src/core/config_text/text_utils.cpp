#include "text_utils.h"

#include <algorithm>

namespace orva {
namespace {

bool isUpperAscii(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// The index of the first CR or LF that is not part of a CR LF pair, or the size of the text.
qsizetype firstLoneBreak(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 >= text.size() || text[i + 1] != u'\n')
                return i;
            ++i;
        } else if (c == u'\n') {
            return i;
        }
    }
    return text.size();
}

} // namespace

QString TrimBlanksAndControls(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString LowerAsciiLetters(QStringView text)
{
    QString result = text.toString();
    LowerAsciiLettersInPlace(result);
    return result;
}

void LowerAsciiLettersInPlace(QString &text)
{
    const qsizetype first = std::find_if(text.cbegin(), text.cend(), isUpperAscii) - text.cbegin();
    if (first == text.size())
        return;
    QChar *chars = text.data();
    for (qsizetype i = first; i < text.size(); ++i) {
        if (isUpperAscii(chars[i]))
            chars[i] = QChar(chars[i].unicode() + (u'a' - u'A'));
    }
}

QString NormalizeLineBreaks(QStringView text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            result.append(u"\r\n");
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            result.append(u"\r\n");
        } else {
            result.append(c);
        }
    }
    return result;
}

QString NormalizeLineBreaks(const QString &text)
{
    const qsizetype first = firstLoneBreak(text);
    if (first == text.size())
        return text; // already CR LF throughout: the same text, not a copy
    return text.first(first) + NormalizeLineBreaks(QStringView(text).sliced(first));
}

} // namespace orva
