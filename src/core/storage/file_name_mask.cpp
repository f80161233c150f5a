#include "file_name_mask.h"

#include <QFile>

#include <string_view>

namespace orva {
namespace {

// Characters a file name cannot hold (besides the control characters).
constexpr std::u16string_view FileNameRefused = u"\"*/:<>?\\|";

} // namespace

bool IsFileNameCharacter(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() != 0x7F &&
           FileNameRefused.find(c.unicode()) == std::u16string_view::npos;
}

int DefaultMaskKind(int element)
{
    // Element k defaults to kind k: prefix, device name, identifier, suffix.
    return element;
}

int EffectiveMaskKind(int element, int kind)
{
    return kind >= 0 && kind < MaskKindCount ? kind : DefaultMaskKind(element);
}

bool FileNameFits(const QString &name)
{
    constexpr qsizetype Longest = 255;
#ifdef Q_OS_WIN
    return name.size() <= Longest;
#else
    return QFile::encodeName(name).size() <= Longest;
#endif
}

namespace {

QString joinedName(const FileNameMask &mask, const QString &deviceName, const QString &ident)
{
    const std::array<QString, MaskKindCount> texts{QString(), mask.prefix, deviceName, ident, mask.suffix};
    QString name;
    QString pendingDelimiter;
    for (int element = 1; element <= MaskElementCount; ++element) {
        const QString &text = texts[EffectiveMaskKind(element, mask.kinds[element - 1])];
        if (text.isEmpty())
            continue;
        name += pendingDelimiter + text;
        if (element < MaskElementCount)
            pendingDelimiter = mask.delimiters[element - 1];
    }
    for (QChar &c : name) {
        if (!IsFileNameCharacter(c))
            c = u'_';
    }
    return name + QStringLiteral(".ini");
}

} // namespace

QString FormFileNameByMask(const FileNameMask &mask, const QString &deviceName, const QString &ident)
{
    QString shortened = deviceName;
    QString name = joinedName(mask, shortened, ident);
    while (!FileNameFits(name) && !shortened.isEmpty()) {
        shortened.chop(shortened.size() > 1 && shortened.back().isLowSurrogate() ? 2 : 1);
        name = joinedName(mask, shortened, ident);
    }
    return name;
}

} // namespace orva
