#include "report_texts.h"

#include "device_model/vocabularies.h"

#include <QStringView>

#include <array>

namespace orva {
namespace {

template <typename Value> struct ModeText
{
    Value value;
    QStringView text;
};

// clang-format off
constexpr std::array<ModeText<LoopMode>, 11> LoopModes = {{
    {LoopMode::GuardDelay,    u"охранный с задержк.на вход("},
    {LoopMode::Guard,         u"охранный без задержки"},
    {LoopMode::GuardDrop,     u"охранный без задержки,расщепленный"},
    {LoopMode::GuardWalk,     u"охранный проходной"},
    {LoopMode::GuardWalkDrop, u"охранный проходной,расщепленный"},
    {LoopMode::GuardKts,      u"охранный КТС"},
    {LoopMode::Fire1,         u"пож.тип1(дымовые извещатели)"},
    {LoopMode::Fire2,         u"пож.тип2(дымовые+тепловые)"},
    {LoopMode::Fire3,         u"пож.тип3(тепловые)"},
    {LoopMode::Fire4,         u"пож.тип1(дым. c контр.сбросом)"},
    {LoopMode::Fire5,         u"пож.тип2(дым+тепл с контр.сбросом)"},
}};

constexpr std::array<ModeText<RelayMode>, 10> RelayModes = {{
    {RelayMode::Sms,         u"SMS-управление"},
    {RelayMode::PcnGuard,    u"ПЦН-охрана"},
    {RelayMode::TranspGuard, u"Транспарант-охрана"},
    {RelayMode::Lamp,        u"Лампа"},
    {RelayMode::Sirena1,     u"Сирена 1"},
    {RelayMode::Sirena2,     u"Сирена 2"},
    {RelayMode::PcnFire,     u"ПЦН-пожар"},
    {RelayMode::TranspFire,  u"Транспарант-пожар"},
    {RelayMode::Sirena1Fire, u"Сирена 1 -пожар"},
    {RelayMode::Sirena2Fire, u"Сирена 2 -пожар"},
}};

constexpr std::array<ModeText<qint32>, 4> MessageSets = {{
    {1, u"Трев."},
    {2, u"Трев.+Служ."},
    {3, u"Трев.+Вз/Сн"},
    {4, u"Все"},
}};
// clang-format on

template <typename Value, std::size_t N>
QString lookup(const std::array<ModeText<Value>, N> &table, Value value)
{
    for (const ModeText<Value> &entry : table) {
        if (entry.value == value)
            return entry.text.toString();
    }
    return {};
}

} // namespace

QString ReportLoopModeText(LoopMode mode, qint32 delay)
{
    const QString text = lookup(LoopModes, mode);
    // Only the delayed guard prints its delay here; the fixed delay takes the page's text below.
    if (mode == LoopMode::GuardDelay)
        return text + QString::number(delay) + u"сек.)";
    // The modes the record's own table lacks (13 to 16) print as the Loops page names them, so that a
    // loop in use never looks unused on paper.
    if (text.isEmpty() && LoopModeInUse(mode))
        return LoopModeTextOf(mode, delay);
    return text;
}

QString ReportRelayModeText(RelayMode mode)
{
    const QString text = lookup(RelayModes, mode);
    // The lock, which the record's own table lacks, prints as the Relays page names it (without a time).
    if (text.isEmpty() && !RelayModeHasTime(mode))
        return RelayModeTextOf(mode, 0);
    return text;
}

QString ReportMessageSetText(qint32 set)
{
    return lookup(MessageSets, set);
}

} // namespace orva
