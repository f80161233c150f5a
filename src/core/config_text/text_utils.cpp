#include "text_utils.h"

namespace orva {

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
    for (QChar &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
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

} // namespace orva
