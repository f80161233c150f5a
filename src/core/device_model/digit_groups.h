#pragma once

#include <QString>
#include <QStringView>

namespace orva {

inline constexpr QStringView DecimalDigits = u"0123456789";
inline constexpr QStringView HexDigits = u"0123456789ABCDEFabcdef";

// Normalises a text of digit groups (server addresses, GPRS identifiers and keys) in place:
// 1. every run of allowed characters that another character ends (and a last non-empty run) is filled
//    with `fill` to `groupWidth`: after the run when totalWidth > 0, before it when < 0, and with only
//    the fill when 0; longer runs stay whole; the other characters stay as they are;
// 2. only the allowed characters are kept;
// 3. they are filled to |totalWidth| (right for a positive width, left for a negative one);
// 4. with `withSeparator`, the first |totalWidth| characters are joined in groups of `groupWidth`
//    by `separator`.
// Returns true when the result differs from the text after step 1.
bool FormatDigitGroups(QString &text, QStringView allowed, QChar separator, QChar fill, int groupWidth,
                       int totalWidth, bool withSeparator);

} // namespace orva
