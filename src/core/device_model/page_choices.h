#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

namespace orva {

// A value that a page offers as a button, a check box or a list item, with the text the page shows
// for it.
struct ChoiceText
{
    qint32 value;
    QStringView text;
};

// The text of `value` among `choices`; empty when the value has none.
QStringView ChoiceTextOf(std::span<const ChoiceText> choices, qint32 value);
// The texts in the order of the choices (the items of a list box).
QStringList ChoiceTextList(std::span<const ChoiceText> choices);

// The choices the editor's pages offer, in the order the pages show them.
namespace PageChoices {

// The loop types of " Тип шлейфа " (stored LoopMode, button caption), then LoopMode::Unused; the
// captions of the rows of mode_rows.h.
std::span<const ChoiceText> LoopModes();
// The relay modes of "Режим работы реле" (stored RelayMode, button caption), from mode_rows.h as well.
std::span<const ChoiceText> RelayModes();
// The key types by type number: "Постановка/Снятие", "Принуждение", "Патруль".
std::span<const ChoiceText> KeyTypes();
// The message sets of an SMS phone (0: not used) and the sub-modes of a connected dial phone (1..4).
std::span<const ChoiceText> SmsMessageSets();
// The modes of a GSM dial phone as its list item names them (0: not used).
std::span<const ChoiceText> DialModes();
// "Способ передачи сообщения о событии" and the protocol items, by `ds` and `dp` value.
std::span<const ChoiceText> DialDeliveries();
std::span<const ChoiceText> DialProtocols();
// "симметричный" / "резервированный" (stored SimMode) and the main SIM card items (`ms`).
std::span<const ChoiceText> SimModes();
std::span<const ChoiceText> MasterSims();
// The SMS character set (`sk`) and sending mode (`sg`).
std::span<const ChoiceText> SmsCharsets();
std::span<const ChoiceText> SmsSendModes();
// "Все", "1" .. "9": the alarm repeats per loop (`lc`).
std::span<const ChoiceText> AlarmRepeats();
// "нет раздела", "раздел 1" .. "раздел 4": the zone of the external indicator (`ez`).
std::span<const ChoiceText> IndicatorZones();
// A check box: "да" ticked (1), "нет" unticked (0).
std::span<const ChoiceText> Switch();
// The transparency check box of the dial protocol: ticked when `dp` parameter 2 is 0.
std::span<const ChoiceText> Transparency();

} // namespace PageChoices

// The caption of a dial phone's button "with connection"; a connected phone's mode text is this caption
// directly followed by the caption of its message set.
inline constexpr QStringView DialConnectCaption = u"Дозвон/Соединение: Тревоги";

// The text of a phone or loop that is not in use.
inline constexpr QStringView NotUsedText = u"не используется";

} // namespace orva
