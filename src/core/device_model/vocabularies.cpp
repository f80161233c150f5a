#include "vocabularies.h"

#include <QStringView>

#include <array>

namespace orva {
namespace {

struct LoopMode
{
    qint32 value;
    QStringView text; // for modes with a delay: the text before the delay
    bool withDelay;
    QStringView picture;
};

// clang-format off
constexpr std::array<LoopMode, 14> LoopModes = {{
    {1,  u"охранный с задержкой",                    true,  u"Image\\GuardDelay.jpg"},
    {2,  u"охранный без задержки",                  false, u"Image\\Guard.jpg"},
    {3,  u"охранный без задержки,расщепленный",     false, u"Image\\GuardDrop.jpg"},
    {4,  u"охранный проходной",                     false, u"Image\\GuardWalk.jpg"},
    {5,  u"охранный проходной,расщепленный",        false, u"Image\\GuardWalkDrop.jpg"},
    {6,  u"охранный КТС",                           false, u"Image\\GuardKTS.jpg"},
    {8,  u"ожарный тип 1 (дымовые извещатели)",     false, u"Image\\Fire1.jpg"},
    {9,  u"пожарный тип 2 (дымовые+тепловые)",      false, u"Image\\Fire2.jpg"},
    {10, u"пожарный тип 3 (тепловые извещатели)",   false, u"Image\\Fire3.jpg"},
    {11, u"пожарный тип 1 (c контрольным сбросом)", false, u"Image\\Fire4.jpg"},
    {12, u"пожарный тип 2 (с контрольным сбросом)", false, u"Image\\Fire5.jpg"},
    {14, u"ПАТРУЛЬ",                                false, u"Image\\Patrol.jpg"},
    {15, u"УПРАВЛЕНИЕ",                             false, u"Image\\Rule.jpg"},
    {16, u"охранный с фиксированной задержкой",      true,  u"Image\\GuardFixed.jpg"},
}};
// clang-format on
constexpr QStringView UnusedLoopText = u"не используется";
constexpr QStringView UnusedLoopPicture = u"Image\\NoGuard.jpg";

struct RelayMode
{
    qint32 value;
    QStringView text;
    bool withTime;
    QStringView picture;
};

// clang-format off
constexpr std::array<RelayMode, 11> RelayModes = {{
    {0,  u"управление SMS",        false, u"Image\\SMS.jpg"},
    {1,  u"ПЦН (охрана)",          true,  u"Image\\PCNGuard.jpg"},
    {2,  u"ТРАНСПАРАНТ (охрана)",  true,  u"Image\\TranspGuard.jpg"},
    {3,  u"ЛАМПА (охрана)",        true,  u"Image\\Lamp.jpg"},
    {4,  u"СИРЕНА-1 (охрана)",     true,  u"Image\\Sirena1.jpg"},
    {5,  u"СИРЕНА-2 (охрана)",     true,  u"Image\\Sirena2.jpg"},
    {6,  u"ПЦН (пожар)",           true,  u"Image\\PCNFire.jpg"},
    {7,  u"ТРАНСПАРАНТ (пожар)",   true,  u"Image\\TranspFire.jpg"},
    {8,  u"СИРЕНА-1 (пожар)",      true,  u"Image\\Sirena1Fire.jpg"},
    {9,  u"СИРЕНА-2 (пожар)",      true,  u"Image\\Sirena2Fire.jpg"},
    {10, u"ЗАМОК",                 false, u"Image\\Locker.jpg"},
}};
// clang-format on
constexpr qint32 RelayModeNone = 255; // shown as an empty text without a time

// The text, one blank, the seconds and " сек.".
QString withSeconds(QStringView text, qint32 seconds)
{
    return text.toString() + u' ' + QString::number(seconds) + u" сек.";
}

const LoopMode *findLoopMode(qint32 mode)
{
    for (const LoopMode &m : LoopModes) {
        if (m.value == mode)
            return &m;
    }
    return nullptr;
}

const RelayMode *findRelayMode(qint32 mode)
{
    for (const RelayMode &m : RelayModes) {
        if (m.value == mode)
            return &m;
    }
    return nullptr;
}

constexpr QChar DuressMark = u'!';
constexpr QChar PatrolMark = u'*';

} // namespace

QString LoopModeTextOf(qint32 mode, qint32 delay)
{
    const LoopMode *m = findLoopMode(mode);
    if (!m)
        return UnusedLoopText.toString();
    return m->withDelay ? withSeconds(m->text, delay) : m->text.toString();
}

QString LoopPictureOf(qint32 mode)
{
    const LoopMode *m = findLoopMode(mode);
    return (m ? m->picture : UnusedLoopPicture).toString();
}

QString RelayModeTextOf(qint32 mode, qint32 time)
{
    if (mode == RelayModeNone)
        return {};
    const RelayMode *m = findRelayMode(mode);
    if (!m)
        return withSeconds(u"", time); // unknown mode: empty text, then the time
    return m->withTime ? withSeconds(m->text, time) : m->text.toString();
}

QString RelayPictureOf(qint32 mode)
{
    const RelayMode *m = findRelayMode(mode);
    return m ? m->picture.toString() : QString();
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
    return LoopPictureOf(model.record(Cmd::lm, loop).value(1));
}

QString LoopModeText(const T_Command_DEVICE &model, int loop)
{
    const T_Command &r = model.record(Cmd::lm, loop);
    return LoopModeTextOf(r.value(1), r.value(2));
}

QString RelayPicture(const T_Command_DEVICE &model, int relay)
{
    if (relay < 1)
        return {};
    return RelayPictureOf(model.record(Cmd::rm, relay).value(1));
}

QString RelayModeText(const T_Command_DEVICE &model, int relay)
{
    const T_Command &r = model.record(Cmd::rm, relay);
    return RelayModeTextOf(r.value(1), r.value(2));
}

int KeyType(const T_Command_DEVICE &model, int key)
{
    return KeyTypeOfAlias(model.record(Cmd::ua, key).text(1));
}

QString KeyName(const T_Command_DEVICE &model, int key)
{
    return KeyNameOfAlias(model.record(Cmd::ua, key).text(1));
}

QString KeyDisplayName(const T_Command_DEVICE &model, int key)
{
    return KeyDisplayNameOfAlias(model.record(Cmd::ua, key).text(1));
}

} // namespace orva
