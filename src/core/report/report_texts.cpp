#include "report_texts.h"

#include "device_model/mode_rows.h"
#include "device_model/page_choices.h"
#include "device_model/vocabularies.h"

namespace orva {
namespace {

constexpr ChoiceText MessageSets[] = {
    {1, u"Трев."},
    {2, u"Трев.+Служ."},
    {3, u"Трев.+Вз/Сн"},
    {4, u"Все"},
};

} // namespace

QString ReportLoopModeText(LoopMode mode, qint32 delay)
{
    if (const LoopModeRow *row = LoopModeRowOf(mode))
        return row->printedWith(delay);
    // A number without a row (13) prints as the Loops page names it, so that a loop in use never looks
    // unused on paper.
    return LoopModeInUse(mode) ? LoopModeTextOf(mode, delay) : QString();
}

QString ReportRelayModeText(RelayMode mode)
{
    const RelayModeRow *row = RelayModeRowOf(mode);
    return row ? row->printed.toString() : QString();
}

QString ReportMessageSetText(qint32 set)
{
    return ChoiceTextOf(MessageSets, set).toString();
}

} // namespace orva
