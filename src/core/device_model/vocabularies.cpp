#include "vocabularies.h"

#include "mode_rows.h"

#include <QStringView>

namespace orva {
namespace {

// A loop mode without a row of its own (None, the unnamed 13) reads as a loop not in use.
const LoopModeRow &loopRowOrUnused(LoopMode mode)
{
    const LoopModeRow *row = LoopModeRowOf(mode);
    return row ? *row : *LoopModeRowOf(LoopMode::Unused);
}

// A relay mode without a row (but None): no words, then the time.
constexpr QStringView UnnamedRelayText = u" %1 сек.";

constexpr QChar DuressMark = u'!';
constexpr QChar PatrolMark = u'*';

} // namespace

QString LoopModeTextOf(LoopMode mode, qint32 delay)
{
    return loopRowOrUnused(mode).textWith(delay);
}

QString LoopPictureOf(LoopMode mode)
{
    return loopRowOrUnused(mode).picture.toString();
}

QString RelayModeTextOf(RelayMode mode, qint32 time)
{
    if (mode == RelayMode::None) // no relay: an empty text without a time
        return {};
    const RelayModeRow *row = RelayModeRowOf(mode);
    return row ? row->textWith(time) : UnnamedRelayText.toString().arg(time);
}

QString RelayPictureOf(RelayMode mode)
{
    const RelayModeRow *row = RelayModeRowOf(mode);
    return row ? row->picture.toString() : QString();
}

QString RelayModeCaptionOf(RelayMode mode)
{
    const RelayModeRow *row = RelayModeRowOf(mode);
    return row ? row->caption.toString() : QString();
}

bool LoopModeInUse(LoopMode mode)
{
    return mode != LoopMode::None && mode != LoopMode::Unused;
}

bool LoopModeHasDelay(LoopMode mode)
{
    const LoopModeRow *row = LoopModeRowOf(mode);
    return row && row->withDelay;
}

bool RelayModeHasTime(RelayMode mode)
{
    if (mode == RelayMode::None)
        return false;
    const RelayModeRow *row = RelayModeRowOf(mode);
    return !row || row->withTime;
}

int KeyTypeOfAlias(const QString &alias)
{
    if (alias.startsWith(DuressMark))
        return 1;
    if (alias.startsWith(PatrolMark))
        return 2;
    return 0;
}

QString KeyNameOfAlias(const QString &alias)
{
    if (KeyTypeOfAlias(alias) == 0)
        return alias;
    return alias.mid(1, TypedKeyNameLength);
}

QString KeyDisplayNameOfAlias(const QString &alias)
{
    switch (KeyTypeOfAlias(alias)) {
    case 1:
        return KeyNameOfAlias(alias) + u" (принуждение)";
    case 2:
        return KeyNameOfAlias(alias) + u" (патруль)";
    default:
        return alias;
    }
}

QString KeyAliasOfType(int type, const QString &name)
{
    switch (type) {
    case 1:
        return DuressMark + name;
    case 2:
        return PatrolMark + name;
    default: {
        qsizetype start = 0;
        while (start < name.size() && (name.at(start) == DuressMark || name.at(start) == PatrolMark))
            ++start;
        return name.mid(start);
    }
    }
}

QString PicturePath(const QString &programFolder, const QString &pictureName)
{
    QString relative = pictureName;
    relative.replace(u'\\', u'/');
    if (programFolder.isEmpty() || programFolder.endsWith(u'/'))
        return programFolder + relative;
    return programFolder + u'/' + relative;
}

QString LoopPicture(const T_Command_DEVICE &model, int loop)
{
    if (loop < 1)
        return LoopPictureOf(LoopMode::Unused);
    return LoopPictureOf(model.get(Loop::Mode, loop));
}

QString LoopModeText(const T_Command_DEVICE &model, int loop)
{
    return LoopModeTextOf(model.get(Loop::Mode, loop), model.get(Loop::Delay, loop));
}

QString RelayPicture(const T_Command_DEVICE &model, int relay)
{
    if (relay < 1)
        return {};
    return RelayPictureOf(model.get(Relay::Mode, relay));
}

QString RelayModeText(const T_Command_DEVICE &model, int relay)
{
    return RelayModeTextOf(model.get(Relay::Mode, relay), model.get(Relay::Time, relay));
}

int KeyType(const T_Command_DEVICE &model, int key)
{
    return KeyTypeOfAlias(model.get(Key::Alias, key));
}

QString KeyName(const T_Command_DEVICE &model, int key)
{
    return KeyNameOfAlias(model.get(Key::Alias, key));
}

QString KeyDisplayName(const T_Command_DEVICE &model, int key)
{
    return KeyDisplayNameOfAlias(model.get(Key::Alias, key));
}

} // namespace orva
