#include "widgets/key_filters.h"

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

std::span<const CharRange> RangesOf(KeyFilter filter)
{
    switch (filter) {
    case KeyFilter::FileKey:
        return FileKeyRanges;
    case KeyFilter::Text:
        return TextRanges;
    case KeyFilter::PhoneNumber:
        return PhoneRanges;
    case KeyFilter::Digital:
        return DigitRanges;
    case KeyFilter::Hex:
        return HexRanges;
    case KeyFilter::Address:
        return AddressRanges;
    case KeyFilter::KeyDialog:
        return KeyDialogRanges;
    case KeyFilter::None:
    case KeyFilter::FileNameMask:
        break;
    }
    return {};
}

} // namespace

bool FilterAdmits(KeyFilter filter, QChar c)
{
    if (filter == KeyFilter::None)
        return true;
    if (filter == KeyFilter::FileNameMask)
        return IsFileNameCharacter(c);
    for (const CharRange &range : RangesOf(filter)) {
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

} // namespace orva
