#include "terminal_text.h"

#include <QList>

#include <algorithm>

namespace orva::cli {
namespace {

bool isControl(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

struct NamedEscape
{
    char32_t character;
    QStringView escape;
};
constexpr NamedEscape NamedEscapes[] = {
    {u'\a', u"\\a"}, {u'\b', u"\\b"}, {u'\t', u"\\t"}, {u'\n', u"\\n"},  {u'\v', u"\\v"},
    {u'\f', u"\\f"}, {u'\r', u"\\r"}, {u'"', u"\\\""}, {u'\\', u"\\\\"},
};

QString escaped(char32_t c)
{
    for (const NamedEscape &named : NamedEscapes) {
        if (named.character == c)
            return named.escape.toString();
    }
    if (c < 0x100) // C0, DEL and C1 controls as three octal digits, as git writes them
        return u'\\' + QString::number(quint32(c), 8).rightJustified(3, u'0');
    return (c < 0x10000 ? QStringLiteral("\\u") : QStringLiteral("\\U")) +
           QString::number(quint32(c), 16).toUpper().rightJustified(c < 0x10000 ? 4 : 8, u'0');
}

} // namespace

QString TerminalText(const QString &text)
{
    const QList<uint> characters = text.toUcs4();
    if (std::none_of(characters.cbegin(), characters.cend(), [](uint c) { return isControl(c); }))
        return text;
    QString quoted = QStringLiteral("\"");
    for (const char32_t c : characters) {
        if (isControl(c) || c == u'"' || c == u'\\')
            quoted += escaped(c);
        else
            quoted += QString::fromUcs4(&c, 1);
    }
    return quoted + u'"';
}

} // namespace orva::cli
