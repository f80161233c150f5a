#include "input_rules.h"

#include "storage/file_name_mask.h"

#include <array>
#include <span>

namespace orva {
namespace {

struct CharRange
{
    char16_t first;
    char16_t last;
};

// Windows-1251 codes 192..255, the Cyrillic capitals А..Я and small letters а..я; Ё and ё lie outside.
constexpr CharRange Cyrillic{u'\u0410', u'\u044F'};
constexpr CharRange Blank{u' ', u' '};
constexpr CharRange Digits{u'0', u'9'};
constexpr CharRange Capitals{u'A', u'Z'};
constexpr CharRange Smalls{u'a', u'z'};

constexpr std::array FileKeyRanges{Blank, Digits, Capitals, Smalls, Cyrillic};
constexpr std::array TextRanges{Digits, Capitals, CharRange{u'_', u'_'}, Smalls, Cyrillic};
constexpr std::array PhoneRanges{CharRange{u'#', u'#'}, CharRange{u'*', u'+'}, Digits};
constexpr std::array DigitRanges{Digits};
constexpr std::array HexRanges{Digits, CharRange{u'A', u'F'}, CharRange{u'a', u'f'}};
constexpr std::array AddressRanges{CharRange{u',', u','}, CharRange{u'.', u'.'}, Digits};
constexpr std::array KeyDialogRanges{Blank, Digits, CharRange{u'A', u'z'}, Cyrillic};

// A filter by its ranges (none: a filter of its own kind) and what it admits, in words.
struct FilterRow
{
    KeyFilter filter;
    std::span<const CharRange> ranges;
    QStringView admits;
};

// clang-format off
constexpr FilterRow FilterRows[] = {
    {KeyFilter::None,         {},              {}},
    {KeyFilter::FileKey,      FileKeyRanges,   u"blanks, digits, Latin letters and Russian letters (not Ё, ё)"},
    {KeyFilter::Text,         TextRanges,      u"digits, Latin letters, Russian letters (not Ё, ё) and \"_\""},
    {KeyFilter::PhoneNumber,  PhoneRanges,     u"digits, \"#\", \"*\" and \"+\""},
    {KeyFilter::Digital,      DigitRanges,     u"digits"},
    {KeyFilter::Hex,          HexRanges,       u"hexadecimal digits"},
    {KeyFilter::Address,      AddressRanges,   u"digits, \".\" and \",\""},
    {KeyFilter::KeyDialog,    KeyDialogRanges, u"blanks, digits, the characters A..z and Russian letters (not Ё, ё)"},
    {KeyFilter::FileNameMask, {},              u"any character but \" * / : < > ? \\ | and control characters"},
};
// clang-format on

const FilterRow &rowOf(KeyFilter filter)
{
    for (const FilterRow &row : FilterRows) {
        if (row.filter == filter)
            return row;
    }
    return FilterRows[0];
}

QString characterName(QChar c)
{
    if (c.isPrint() && !c.isSpace())
        return u'"' + QString(c) + u'"';
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool FilterAdmits(KeyFilter filter, QChar c)
{
    if (filter == KeyFilter::None)
        return true;
    if (filter == KeyFilter::FileNameMask)
        return IsFileNameCharacter(c);
    for (const CharRange &range : rowOf(filter).ranges) {
        if (c.unicode() >= range.first && c.unicode() <= range.last)
            return true;
    }
    return false;
}

QString FilterPastedText(KeyFilter filter, const QString &text)
{
    if (filter != KeyFilter::Address)
        return FilterText(filter, text);
    QString kept;
    for (const QChar c : text) {
        if (!c.isSpace())
            kept += c;
    }
    return kept;
}

QString FilterText(KeyFilter filter, const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (FilterAdmits(filter, c))
            result += c;
    }
    return result;
}

QString InputRuleText(const InputRule &rule)
{
    const QStringView admits = rowOf(rule.filter).admits;
    if (rule.length <= 0)
        return admits.toString();
    const QString length = QStringLiteral("at most %1 characters").arg(rule.length);
    return admits.isEmpty() ? length : length + u": " + admits;
}

bool InputRuleTakes(const InputRule &rule, const QString &text, QString *error)
{
    for (const QChar c : text) {
        if (!FilterAdmits(rule.filter, c))
            return fail(error, QStringLiteral("\"%1\" holds %2, which the field does not take; it takes %3")
                                   .arg(text, characterName(c), InputRuleText(rule)));
    }
    if (rule.length > 0 && text.size() > rule.length)
        return fail(error, QStringLiteral("\"%1\" has %2 characters; the field takes %3")
                               .arg(text, QString::number(text.size()), InputRuleText(rule)));
    return true;
}

} // namespace orva
