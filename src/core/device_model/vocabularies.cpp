#include "vocabularies.h"

#include <QStringView>

#include <array>

namespace orva {
namespace {

struct LoopModeEntry
{
    LoopMode mode;
    QStringView text; // for modes with a delay: the text before the delay
    bool withDelay;
    QStringView picture;
};

// clang-format off
constexpr std::array<LoopModeEntry, 14> LoopModes = {{
    {LoopMode::GuardDelay,    u"охранный с задержкой",                   true,  u"Image\\GuardDelay.jpg"},
    {LoopMode::Guard,         u"охранный без задержки",                  false, u"Image\\Guard.jpg"},
    {LoopMode::GuardDrop,     u"охранный без задержки,расщепленный",     false, u"Image\\GuardDrop.jpg"},
    {LoopMode::GuardWalk,     u"охранный проходной",                     false, u"Image\\GuardWalk.jpg"},
    {LoopMode::GuardWalkDrop, u"охранный проходной,расщепленный",        false, u"Image\\GuardWalkDrop.jpg"},
    {LoopMode::GuardKts,      u"охранный КТС",                           false, u"Image\\GuardKTS.jpg"},
    {LoopMode::Fire1,         u"пожарный тип 1 (дымовые извещатели)",    false, u"Image\\Fire1.jpg"},
    {LoopMode::Fire2,         u"пожарный тип 2 (дымовые+тепловые)",      false, u"Image\\Fire2.jpg"},
    {LoopMode::Fire3,         u"пожарный тип 3 (тепловые извещатели)",   false, u"Image\\Fire3.jpg"},
    {LoopMode::Fire4,         u"пожарный тип 1 (c контрольным сбросом)", false, u"Image\\Fire4.jpg"},
    {LoopMode::Fire5,         u"пожарный тип 2 (с контрольным сбросом)", false, u"Image\\Fire5.jpg"},
    {LoopMode::Patrol,        u"ПАТРУЛЬ",                                false, u"Image\\Patrol.jpg"},
    {LoopMode::Control,       u"УПРАВЛЕНИЕ",                             false, u"Image\\Rule.jpg"},
    {LoopMode::GuardFixed,    u"охранный с фиксированной задержкой",     true,  u"Image\\GuardFixed.jpg"},
}};
// clang-format on
constexpr QStringView UnusedLoopText = u"не используется";
constexpr QStringView UnusedLoopPicture = u"Image\\NoGuard.jpg";

struct RelayModeEntry
{
    RelayMode mode;
    QStringView text;
    bool withTime;
    QStringView picture;
};

// clang-format off
constexpr std::array<RelayModeEntry, 11> RelayModes = {{
    {RelayMode::Sms,         u"управление SMS",       false, u"Image\\SMS.jpg"},
    {RelayMode::PcnGuard,    u"ПЦН (охрана)",         true,  u"Image\\PCNGuard.jpg"},
    {RelayMode::TranspGuard, u"ТРАНСПАРАНТ (охрана)", true,  u"Image\\TranspGuard.jpg"},
    {RelayMode::Lamp,        u"ЛАМПА (охрана)",       true,  u"Image\\Lamp.jpg"},
    {RelayMode::Sirena1,     u"СИРЕНА-1 (охрана)",    true,  u"Image\\Sirena1.jpg"},
    {RelayMode::Sirena2,     u"СИРЕНА-2 (охрана)",    true,  u"Image\\Sirena2.jpg"},
    {RelayMode::PcnFire,     u"ПЦН (пожар)",          true,  u"Image\\PCNFire.jpg"},
    {RelayMode::TranspFire,  u"ТРАНСПАРАНТ (пожар)",  true,  u"Image\\TranspFire.jpg"},
    {RelayMode::Sirena1Fire, u"СИРЕНА-1 (пожар)",     true,  u"Image\\Sirena1Fire.jpg"},
    {RelayMode::Sirena2Fire, u"СИРЕНА-2 (пожар)",     true,  u"Image\\Sirena2Fire.jpg"},
    {RelayMode::Locker,      u"ЗАМОК",                false, u"Image\\Locker.jpg"},
}};
// clang-format on

// The text, one blank, the seconds and " сек.".
QString withSeconds(QStringView text, qint32 seconds)
{
    return text.toString() + u' ' + QString::number(seconds) + u" сек.";
}

const LoopModeEntry *findLoopMode(LoopMode mode)
{
    for (const LoopModeEntry &m : LoopModes) {
        if (m.mode == mode)
            return &m;
    }
    return nullptr;
}

const RelayModeEntry *findRelayMode(RelayMode mode)
{
    for (const RelayModeEntry &m : RelayModes) {
        if (m.mode == mode)
            return &m;
    }
    return nullptr;
}

constexpr QChar DuressMark = u'!';
constexpr QChar PatrolMark = u'*';

} // namespace

QString LoopModeTextOf(LoopMode mode, qint32 delay)
{
    const LoopModeEntry *m = findLoopMode(mode);
    if (!m)
        return UnusedLoopText.toString();
    return m->withDelay ? withSeconds(m->text, delay) : m->text.toString();
}

QString LoopPictureOf(LoopMode mode)
{
    const LoopModeEntry *m = findLoopMode(mode);
    return (m ? m->picture : UnusedLoopPicture).toString();
}

QString RelayModeTextOf(RelayMode mode, qint32 time)
{
    if (mode == RelayMode::None) // no relay: an empty text without a time
        return {};
    const RelayModeEntry *m = findRelayMode(mode);
    const QStringView text = m ? m->text : QStringView(); // unknown mode: empty text, then the time
    return RelayModeHasTime(mode) ? withSeconds(text, time) : text.toString();
}

QString RelayPictureOf(RelayMode mode)
{
    const RelayModeEntry *m = findRelayMode(mode);
    return m ? m->picture.toString() : QString();
}

bool LoopModeInUse(LoopMode mode)
{
    return mode != LoopMode::None && mode != LoopMode::Unused;
}

bool LoopModeHasDelay(LoopMode mode)
{
    const LoopModeEntry *m = findLoopMode(mode);
    return m && m->withDelay;
}

bool RelayModeHasTime(RelayMode mode)
{
    if (mode == RelayMode::None)
        return false;
    const RelayModeEntry *m = findRelayMode(mode);
    return !m || m->withTime;
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
        return UnusedLoopPicture.toString();
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
