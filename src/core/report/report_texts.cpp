#include "report_texts.h"

#include "device_model/vocabularies.h"

#include <QStringView>

#include <array>
#include <span>

namespace orva {
namespace {

struct ModeText
{
    qint32 value;
    QStringView text;
};

// clang-format off
constexpr std::array<ModeText, 11> LoopModes = {{
    {1,  u"охранный с задержк.на вход("},
    {2,  u"охранный без задержки"},
    {3,  u"охранный без задержки,расщепленный"},
    {4,  u"охранный проходной"},
    {5,  u"охранный проходной,расщепленный"},
    {6,  u"охранный КТС"},
    {8,  u"пож.тип1(дымовые извещатели)"},
    {9,  u"пож.тип2(дымовые+тепловые)"},
    {10, u"пож.тип3(тепловые)"},
    {11, u"пож.тип1(дым. c контр.сбросом)"},
    {12, u"пож.тип2(дым+тепл с контр.сбросом)"},
}};

constexpr std::array<ModeText, 10> RelayModes = {{
    {0, u"SMS-управление"},
    {1, u"ПЦН-охрана"},
    {2, u"Транспарант-охрана"},
    {3, u"Лампа"},
    {4, u"Сирена 1"},
    {5, u"Сирена 2"},
    {6, u"ПЦН-пожар"},
    {7, u"Транспарант-пожар"},
    {8, u"Сирена 1 -пожар"},
    {9, u"Сирена 2 -пожар"},
}};

constexpr std::array<ModeText, 4> MessageSets = {{
    {1, u"Трев."},
    {2, u"Трев.+Служ."},
    {3, u"Трев.+Вз/Сн"},
    {4, u"Все"},
}};
// clang-format on

constexpr qint32 DelayedLoopMode = 1;

QString lookup(std::span<const ModeText> table, qint32 value)
{
    for (const ModeText &entry : table) {
        if (entry.value == value)
            return entry.text.toString();
    }
    return {};
}

} // namespace

QString ReportLoopModeText(qint32 mode, qint32 delay)
{
    const QString text = lookup(LoopModes, mode);
    if (mode == DelayedLoopMode)
        return text + QString::number(delay) + u"сек.)";
    // The modes the record's own table lacks (13 to 16) print as the Loops page names them, so that a
    // loop in use never looks unused on paper.
    if (text.isEmpty() && LoopModeInUse(mode))
        return LoopModeTextOf(mode, delay);
    return text;
}

QString ReportRelayModeText(qint32 mode)
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
