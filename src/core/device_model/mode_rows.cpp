#include "mode_rows.h"

#include "page_choices.h"

#include <array>

namespace orva {
namespace {

// clang-format off
constexpr std::array<LoopModeRow, 15> LoopRows = {{
    // mode                   caption (button)                           list text                                      printed text                                   picture                      button                      delay   save
    {LoopMode::GuardDelay,    u"охранный с задержкой",                   u"охранный с задержкой %1 сек.",               u"охранный с задержк.на вход(%1сек.)",         u"Image\\GuardDelay.jpg",    u"RB_Shleif_GuardDelay",    true,   0},
    {LoopMode::Guard,         u"охранный без задержки",                  u"охранный без задержки",                      u"охранный без задержки",                      u"Image\\Guard.jpg",         u"RB_Shleif_Guard",         false,  2},
    {LoopMode::GuardDrop,     u"охранный без задержки,расщепленный",     u"охранный без задержки,расщепленный",         u"охранный без задержки,расщепленный",         u"Image\\GuardDrop.jpg",     u"RB_Shleif_GuardDrop",     false,  3},
    {LoopMode::GuardWalk,     u"охранный проходной",                     u"охранный проходной",                         u"охранный проходной",                         u"Image\\GuardWalk.jpg",     u"RB_Shleif_GuardWalk",     false,  4},
    {LoopMode::GuardWalkDrop, u"охранный проходной,расщепленный",        u"охранный проходной,расщепленный",            u"охранный проходной,расщепленный",            u"Image\\GuardWalkDrop.jpg", u"RB_Shleif_GuardWalkDrop", false,  5},
    {LoopMode::GuardKts,      u"охранный КТС",                           u"охранный КТС",                               u"охранный КТС",                               u"Image\\GuardKTS.jpg",      u"RB_Shleif_GuardKTS",      false,  6},
    {LoopMode::Fire1,         u"пожарный тип 1 (дымовые извещатели)",    u"пожарный тип 1 (дымовые извещатели)",        u"пож.тип1(дымовые извещатели)",               u"Image\\Fire1.jpg",         u"RB_Shleif_Fire1",         false,  7},
    {LoopMode::Fire2,         u"пожарный тип 2 (дымовые+тепловые)",      u"пожарный тип 2 (дымовые+тепловые)",          u"пож.тип2(дымовые+тепловые)",                 u"Image\\Fire2.jpg",         u"RB_Shleif_Fire2",         false,  8},
    {LoopMode::Fire3,         u"пожарный тип 3 (тепловые извещатели)",   u"пожарный тип 3 (тепловые извещатели)",       u"пож.тип3(тепловые)",                         u"Image\\Fire3.jpg",         u"RB_Shleif_Fire3",         false,  9},
    {LoopMode::Fire4,         u"пожарный тип 1 (c контрольным сбросом)", u"пожарный тип 1 (c контрольным сбросом)",     u"пож.тип1(дым. c контр.сбросом)",             u"Image\\Fire4.jpg",         u"RB_Shleif_Fire4",         false, 10},
    {LoopMode::Fire5,         u"пожарный тип 2 (с контрольным сбросом)", u"пожарный тип 2 (с контрольным сбросом)",     u"пож.тип2(дым+тепл с контр.сбросом)",         u"Image\\Fire5.jpg",         u"RB_Shleif_Fire5",         false, 11},
    {LoopMode::Patrol,        u"патруль",                                u"ПАТРУЛЬ",                                    u"ПАТРУЛЬ",                                    u"Image\\Patrol.jpg",        u"RB_Shleif_Patrol",        false, 12},
    {LoopMode::Control,       u"управление",                             u"УПРАВЛЕНИЕ",                                 u"УПРАВЛЕНИЕ",                                 u"Image\\Rule.jpg",          u"RB_Shleif_Rule",          false, 13},
    {LoopMode::GuardFixed,    u"охранный с фиксированной задержкой",     u"охранный с фиксированной задержкой %1 сек.", u"охранный с фиксированной задержкой %1 сек.", u"Image\\GuardFixed.jpg",    u"RB_Shleif_Fixed",         true,   1},
    {LoopMode::Unused,        NotUsedText,                               NotUsedText,                                   u"",                                           u"Image\\NoGuard.jpg",       u"",                        false, -1},
}};

constexpr std::array<RelayModeRow, 11> RelayRows = {{
    // mode                  caption (button)       text                             printed text           picture                    button                 time    save
    {RelayMode::Sms,         u"SMS",                u"управление SMS",               u"SMS-управление",     u"Image\\SMS.jpg",         u"RB_ReleSMS",         false,  0},
    {RelayMode::PcnGuard,    u"ПЦН - охрана",       u"ПЦН (охрана) %1 сек.",         u"ПЦН-охрана",         u"Image\\PCNGuard.jpg",    u"RB_RelePCNGuard",    true,   1},
    {RelayMode::TranspGuard, u"Транспарант-охрана", u"ТРАНСПАРАНТ (охрана) %1 сек.", u"Транспарант-охрана", u"Image\\TranspGuard.jpg", u"RB_ReleTranspGuard", true,   2},
    {RelayMode::Lamp,        u"Лампа",              u"ЛАМПА (охрана) %1 сек.",       u"Лампа",              u"Image\\Lamp.jpg",        u"RB_ReleLamp",        true,   3},
    {RelayMode::Sirena1,     u"Сирена 1",           u"СИРЕНА-1 (охрана) %1 сек.",    u"Сирена 1",           u"Image\\Sirena1.jpg",     u"RB_ReleSirena1",     true,   4},
    {RelayMode::Sirena2,     u"Сирена 2",           u"СИРЕНА-2 (охрана) %1 сек.",    u"Сирена 2",           u"Image\\Sirena2.jpg",     u"RB_ReleSirena2",     true,   5},
    {RelayMode::PcnFire,     u"ПЦН - пожар",        u"ПЦН (пожар) %1 сек.",          u"ПЦН-пожар",          u"Image\\PCNFire.jpg",     u"RB_RelePCNFire",     true,   6},
    {RelayMode::TranspFire,  u"Транспарант-пожар",  u"ТРАНСПАРАНТ (пожар) %1 сек.",  u"Транспарант-пожар",  u"Image\\TranspFire.jpg",  u"RB_ReleTranspFire",  true,   7},
    {RelayMode::Sirena1Fire, u"Сирена 1 - пожар",   u"СИРЕНА-1 (пожар) %1 сек.",     u"Сирена 1 -пожар",    u"Image\\Sirena1Fire.jpg", u"RB_ReleSirena1Fire", true,   8},
    {RelayMode::Sirena2Fire, u"Сирена 2 - пожар",   u"СИРЕНА-2 (пожар) %1 сек.",     u"Сирена 2 -пожар",    u"Image\\Sirena2Fire.jpg", u"RB_ReleSirena2Fire", true,   9},
    {RelayMode::Locker,      u"Замок",              u"ЗАМОК",                        u"ЗАМОК",              u"Image\\Locker.jpg",      u"RB_ReleLocker",      false, 10},
}};
// clang-format on

// Whether `text` holds the place of the seconds.
constexpr bool holdsSeconds(QStringView text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'%' && text[i + 1] == u'1')
            return true;
    }
    return false;
}

constexpr bool carriesSeconds(const LoopModeRow &row)
{
    return row.withDelay;
}

constexpr bool carriesSeconds(const RelayModeRow &row)
{
    return row.withTime;
}

// The checks every table must pass, made while compiling: no mode has two rows, no two buttons share a
// save rank (the stored mode would depend on the order of the rows), a text holds the seconds exactly
// when its row carries them, and a mode without a button takes no part in saving.
template <typename Row, std::size_t N> constexpr bool wellFormed(const std::array<Row, N> &rows)
{
    for (std::size_t i = 0; i < N; ++i) {
        const Row &row = rows[i];
        if (holdsSeconds(row.text) != carriesSeconds(row) || holdsSeconds(row.caption))
            return false;
        if (row.button.isEmpty() != (row.saveRank < 0))
            return false;
        for (std::size_t j = i + 1; j < N; ++j) {
            if (rows[j].mode == row.mode || (row.saveRank >= 0 && rows[j].saveRank == row.saveRank))
                return false;
        }
    }
    return true;
}

static_assert(wellFormed(LoopRows));
static_assert(wellFormed(RelayRows));

// The printed texts: a loop's shows the delay exactly when the loop keeps one (an empty cell shows
// nothing), a relay's never shows the time, which has a column of its own.
constexpr bool printedWellFormed()
{
    for (const LoopModeRow &row : LoopRows) {
        if (!row.printed.isEmpty() && holdsSeconds(row.printed) != row.withDelay)
            return false;
    }
    for (const RelayModeRow &row : RelayRows) {
        if (holdsSeconds(row.printed))
            return false;
    }
    return true;
}

static_assert(printedWellFormed());

template <typename Row, typename Mode> const Row *rowOf(std::span<const Row> rows, Mode mode)
{
    for (const Row &row : rows) {
        if (row.mode == mode)
            return &row;
    }
    return nullptr;
}

QString filled(QStringView text, bool withSeconds, qint32 seconds)
{
    return withSeconds ? text.toString().arg(seconds) : text.toString();
}

} // namespace

QString LoopModeRow::textWith(qint32 delay) const
{
    return filled(text, withDelay, delay);
}

QString LoopModeRow::printedWith(qint32 delay) const
{
    return filled(printed, withDelay && !printed.isEmpty(), delay);
}

QString RelayModeRow::textWith(qint32 time) const
{
    return filled(text, withTime, time);
}

std::span<const LoopModeRow> LoopModeRows()
{
    return LoopRows;
}

std::span<const RelayModeRow> RelayModeRows()
{
    return RelayRows;
}

const LoopModeRow *LoopModeRowOf(LoopMode mode)
{
    return rowOf(LoopModeRows(), mode);
}

const RelayModeRow *RelayModeRowOf(RelayMode mode)
{
    return rowOf(RelayModeRows(), mode);
}

} // namespace orva
