#include "page_choices.h"

#include "mode_rows.h"
#include "modes.h"

#include <QString>

#include <array>
#include <vector>

namespace orva {
namespace {

// clang-format off
constexpr ChoiceText KeyTypeTexts[] = {{0, u"Постановка/Снятие"}, {1, u"Принуждение"}, {2, u"Патруль"}};

constexpr ChoiceText SmsMessageSetTexts[] = {
    {0, NotUsedText},
    {1, u"Тревожные"},
    {2, u"Тревожные + Служебные"},
    {3, u"Тревожные + Постановка/Снятие"},
    {4, u"Все сообщения"},
};

// The mode buttons of the calls without connection.
constexpr ChoiceText DialCallTexts[] = {{5, u"Дозвон: Взятия"}, {6, u"Дозвон: Снятия"}, {7, u"Дозвон: Дежурные режимы"}};

constexpr ChoiceText DialDeliveryTexts[] = {
    {0, u"Звонок с соединением при событии"},
    {1, u"Звонок без соединения, затем с соединением"},
    {2, u"Только звонок без соединения"},
};
constexpr ChoiceText DialProtocolTexts[] = {{0, u"Автоопр."}, {1, u"v.32"}, {2, u"v.34"}, {3, u"v.120"}, {4, u"v.110"}};

constexpr ChoiceText SimModeTexts[] = {{ToStored(SimMode::Symmetric), u"симметричный"},
                                       {ToStored(SimMode::Reserve), u"резервированный"}};
constexpr ChoiceText MasterSimTexts[] = {{0, u"1"}, {1, u"2"}};
constexpr ChoiceText SmsCharsetTexts[] = {{1, u"\"кириллица\""}, {0, u"\"транслит\""}};
constexpr ChoiceText SmsSendModeTexts[] = {{1, u"дублирование GPRS/CSD"}, {0, u"резервирование GPRS/CSD"}};
constexpr ChoiceText AlarmRepeatTexts[] = {
    {0, u"Все"}, {1, u"1"}, {2, u"2"}, {3, u"3"}, {4, u"4"}, {5, u"5"}, {6, u"6"}, {7, u"7"}, {8, u"8"}, {9, u"9"},
};
constexpr ChoiceText IndicatorZoneTexts[] = {
    {0, u"нет раздела"}, {1, u"раздел 1"}, {2, u"раздел 2"}, {3, u"раздел 3"}, {4, u"раздел 4"},
};
constexpr ChoiceText SwitchTexts[] = {{1, u"да"}, {0, u"нет"}};
constexpr ChoiceText TransparencyTexts[] = {{0, u"да"}, {1, u"нет"}};
// clang-format on

// The modes' button captions in the order of their rows.
template <typename Row> std::vector<ChoiceText> captionsOf(std::span<const Row> rows)
{
    std::vector<ChoiceText> choices;
    choices.reserve(rows.size());
    for (const Row &row : rows)
        choices.push_back(ChoiceText{ToStored(row.mode), row.caption});
    return choices;
}

} // namespace

QStringView ChoiceTextOf(std::span<const ChoiceText> choices, qint32 value)
{
    for (const ChoiceText &choice : choices) {
        if (choice.value == value)
            return choice.text;
    }
    return {};
}

QStringList ChoiceTextList(std::span<const ChoiceText> choices)
{
    QStringList texts;
    for (const ChoiceText &choice : choices)
        texts.append(choice.text.toString());
    return texts;
}

namespace PageChoices {

std::span<const ChoiceText> LoopModes()
{
    static const std::vector<ChoiceText> choices = captionsOf(LoopModeRows());
    return choices;
}

std::span<const ChoiceText> RelayModes()
{
    static const std::vector<ChoiceText> choices = captionsOf(RelayModeRows());
    return choices;
}

std::span<const ChoiceText> KeyTypes()
{
    return KeyTypeTexts;
}

std::span<const ChoiceText> SmsMessageSets()
{
    return SmsMessageSetTexts;
}

std::span<const ChoiceText> DialModes()
{
    // Built once: the texts of the connected modes are composed from two captions.
    static const std::array<QString, 8> texts = [] {
        std::array<QString, 8> t;
        t[0] = NotUsedText.toString();
        for (qint32 mode = 1; mode <= 4; ++mode)
            t[mode] = DialConnectCaption + ChoiceTextOf(SmsMessageSetTexts, mode);
        for (const ChoiceText &call : DialCallTexts)
            t[call.value] = call.text.toString();
        return t;
    }();
    static const std::array<ChoiceText, 8> choices = [] {
        std::array<ChoiceText, 8> c{};
        // The page's order: not used, the calls without connection, then the connected phones.
        constexpr qint32 order[] = {0, 7, 5, 6, 1, 2, 3, 4};
        for (int i = 0; i < 8; ++i)
            c[i] = ChoiceText{order[i], texts[order[i]]};
        return c;
    }();
    return choices;
}

std::span<const ChoiceText> DialDeliveries()
{
    return DialDeliveryTexts;
}

std::span<const ChoiceText> DialProtocols()
{
    return DialProtocolTexts;
}

std::span<const ChoiceText> SimModes()
{
    return SimModeTexts;
}

std::span<const ChoiceText> MasterSims()
{
    return MasterSimTexts;
}

std::span<const ChoiceText> SmsCharsets()
{
    return SmsCharsetTexts;
}

std::span<const ChoiceText> SmsSendModes()
{
    return SmsSendModeTexts;
}

std::span<const ChoiceText> AlarmRepeats()
{
    return AlarmRepeatTexts;
}

std::span<const ChoiceText> IndicatorZones()
{
    return IndicatorZoneTexts;
}

std::span<const ChoiceText> Switch()
{
    return SwitchTexts;
}

std::span<const ChoiceText> Transparency()
{
    return TransparencyTexts;
}

} // namespace PageChoices
} // namespace orva
