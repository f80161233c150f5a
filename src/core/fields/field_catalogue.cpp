#include "field_catalogue.h"

#include <QHash>

namespace orva {
namespace {

constexpr PageName PageNames[] = {
    {u"TabCommon", u"Общие"},       {u"TabMode", u"Режимы"}, {u"TabRezervAndSignal", u"Индикация"},
    {u"TabShleifs", u"Шлейфы"},     {u"TabRele", u"Реле"},   {u"TabKeys", u"Ключи"},
    {u"TabZone", u"Разделы"},       {u"TabSMS", u"SMS"},     {u"TabSMSK", u"SMS-К"},
    {u"TabDialGSM", u"GSM-дозвон"}, {u"TabGPRS", u"GPRS"},
};

using Choices = std::span<const ChoiceText> (*)();

// A field of every instance in first..last. "%1" in the id and caption is the number the page shows:
// the instance less `offset` (the servers of SIM card 2 are instances 4..6, shown as №1..№3).
// Consecutive rows marked `together` are laid out instance by instance (loop 1's type, delay and
// alias, then loop 2's), as the pages show them.
struct FieldRow
{
    QStringView id;
    QStringView page;
    QStringView caption;
    quint8 code;
    int first;
    int last;
    int parameter;
    FieldKind kind;
    Choices choices = nullptr;
    int listMax = 0;
    int offset = 0;
    bool together = false;
    QStringView otherText = {};
};

// The entry fields' rules, by the id of their catalogue row.
struct RuleRow
{
    QStringView id;
    InputRule rule;
};

using K = FieldKind;
namespace C = PageChoices;
constexpr bool Together = true;

// clang-format off
const FieldRow Rows[] = {
    {u"common.key",                    u"TabCommon", u"Ключ шифрования конфигурации",              Cmd::ks, 1, 1, 1, K::Text},
    {u"common.old_key",                u"TabCommon", u"\"Старый\" ключ (для смены ключа)",         Cmd::ks, 2, 2, 1, K::Text},
    {u"common.password",               u"TabCommon", u"Пароль удаленного управления",              Cmd::Password, 0, 0, 1, K::Text},
    {u"common.sim%1.phone",            u"TabCommon", u"Номер телефона SIM-карты №%1",              Cmd::ph, 1, 2, 1, K::Text},
    {u"common.sim%1.balance_period",   u"TabCommon", u"Период опроса баланса SIM-карты №%1",       Cmd::cb, 1, 2, 1, K::Number, nullptr, 0, 0, Together},
    {u"common.sim%1.balance_code",     u"TabCommon", u"Код запроса баланса SIM-карты №%1",         Cmd::cb, 1, 2, 2, K::Text, nullptr, 0, 0, Together},
    {u"common.sim%1.balance_threshold", u"TabCommon", u"Порог оповещения о низком балансе счета SIM-карты №%1", Cmd::ct, 1, 2, 1, K::Number},

    {u"mode.exit_delay",        u"TabMode", u"Задержка на выход",                                              Cmd::xo, 0, 0, 1, K::Number},
    {u"mode.lock_without_gprs", u"TabMode", u"Запрещена постановка на охрану при отсутсвии связи по каналу GPRS", Cmd::ci, 0, 0, 1, K::Choice, &C::Switch},
    {u"mode.log",               u"TabMode", u"Разрешено ведение LOG-файла работы прибора",                     Cmd::lf, 0, 0, 1, K::Choice, &C::Switch},
    {u"mode.disarm_reset",      u"TabMode", u"При снятии сначала выполняется сброс пожарных шлейфов и сирены", Cmd::es, 0, 0, 1, K::Choice, &C::Switch},
    {u"mode.entry_message",     u"TabMode", u"Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой", Cmd::em, 0, 0, 1, K::Choice, &C::Switch},
    {u"mode.sim_mode",          u"TabMode", u"Режим выбора SIM-карты",                                         Cmd::cm, 0, 0, 1, K::Choice, &C::SimModes},
    {u"mode.sim_return_delay",  u"TabMode", u"Задержка возврата на основную SIM-карту",                        Cmd::cm, 0, 0, 2, K::Number},
    {u"mode.sim_attempts",      u"TabMode", u"Число неудачных попыток связи перед переключением",              Cmd::ca, 0, 0, 1, K::Number},
    {u"mode.main_sim",          u"TabMode", u"Основная SIM-карта",                                             Cmd::ms, 0, 0, 1, K::Choice, &C::MasterSims},

    {u"indication.duty_period",     u"TabRezervAndSignal", u"Периодичность формирования сообщений \"Дежурный режим\"", Cmd::om, 0, 0, 1, K::Number},
    {u"indication.indicator_time",  u"TabRezervAndSignal", u"Время работы выносного индикатора",         Cmd::el, 0, 0, 1, K::Number},
    {u"indication.buzzer_volume",   u"TabRezervAndSignal", u"Уровень громкости встроенного зуммера",     Cmd::bv, 0, 0, 1, K::Number},
    {u"indication.external_buzzer", u"TabRezervAndSignal", u"Внешний зуммер включен",                    Cmd::eb, 0, 0, 1, K::Choice, &C::Switch},
    {u"indication.indicator_zone",  u"TabRezervAndSignal", u"Привязка выносного индикатора к разделам",  Cmd::ez, 0, 0, 1, K::Choice, &C::IndicatorZones},

    {u"loops.%1.mode",      u"TabShleifs", u"Шлейф %1: тип",       Cmd::lm, 1, 4, 1, K::Choice, &C::LoopModes, 0, 0, Together, NotUsedText},
    {u"loops.%1.delay",     u"TabShleifs", u"Шлейф %1: задержка",  Cmd::lm, 1, 4, 2, K::Number, nullptr, 0, 0, Together},
    {u"loops.%1.name",      u"TabShleifs", u"Шлейф %1: псевдоним", Cmd::la, 1, 4, 1, K::Text},
    {u"loops.alarm_repeats", u"TabShleifs", u"Число повторов тревог по каждому шлейфу", Cmd::lc, 0, 0, 1, K::Choice, &C::AlarmRepeats},

    {u"relays.%1.mode",     u"TabRele", u"Реле %1: режим работы", Cmd::rm, 1, 4, 1, K::Choice, &C::RelayModes, 0, 0, Together},
    {u"relays.%1.time",     u"TabRele", u"Реле %1: время работы", Cmd::rm, 1, 4, 2, K::Number},
    {u"relays.panic_loop",  u"TabRele", u"Активация реле при нарушении шлейфа КТС", Cmd::br, 0, 0, 1, K::Choice, &C::Switch},
    {u"relays.tamper",      u"TabRele", u"Активация реле при нарушении тампера",    Cmd::tb, 0, 0, 1, K::Choice, &C::Switch},

    {u"keys.%1.name",    u"TabKeys", u"Ключ №%1: псевдоним",   Cmd::ua, 1, 15, 1, K::KeyAlias, nullptr, 0, 0, Together},
    {u"keys.%1.type",    u"TabKeys", u"Ключ №%1: тип ключа",   Cmd::ua, 1, 15, 1, K::KeyType, &C::KeyTypes, 0, 0, Together},
    {u"keys.%1.learned", u"TabKeys", u"Ключ №%1: ключ обучен", Cmd::ua, 1, 15, 2, K::Learned},

    {u"zones.%1.loops",  u"TabZone", u"Раздел %1: шлейфы", Cmd::zn, 1, 4, 1, K::List, nullptr, T_Command_DEVICE::LoopCount},
    {u"zones.relays.%1", u"TabZone", u"Реле %1: разделы",  Cmd::rz, 1, 4, 1, K::List, nullptr, T_Command_DEVICE::ZoneCount},
    {u"zones.keys.%1",   u"TabZone", u"Ключ №%1: разделы", Cmd::uz, 1, 15, 1, K::List, nullptr, T_Command_DEVICE::ZoneCount},

    {u"sms.name",               u"TabSMS", u"Псевдоним",                   Cmd::oa, 0, 0, 1, K::Text},
    {u"sms.phones.%1.messages", u"TabSMS", u"Телефон %1: набор сообщений", Cmd::sn, 1, 9, 1, K::Choice, &C::SmsMessageSets, 0, 0, Together},
    {u"sms.phones.%1.number",   u"TabSMS", u"Телефон %1: номер",           Cmd::sn, 1, 9, 2, K::Text},
    {u"sms.charset",            u"TabSMS", u"Кодировка SMS",               Cmd::sk, 0, 0, 1, K::Choice, &C::SmsCharsets},
    {u"sms.send_mode",          u"TabSMS", u"Режим отправки SMS",          Cmd::sg, 0, 0, 1, K::Choice, &C::SmsSendModes},

    {u"smsk.phones.%1.keys",   u"TabSMSK", u"Телефон %1: контролируемые ключи", Cmd::su, 1, 9, 1, K::List, nullptr, T_Command_DEVICE::KeyCount, 0, Together},
    {u"smsk.phones.%1.number", u"TabSMSK", u"Телефон %1: номер",                Cmd::su, 1, 9, 2, K::Text},

    {u"gsm.phones.%1.mode",   u"TabDialGSM", u"Телефон (поз.%1): набор сообщений",   Cmd::dn, 1, 9, 1, K::Choice, &C::DialModes, 0, 0, Together},
    {u"gsm.phones.%1.number", u"TabDialGSM", u"Телефон (поз.%1): номер",             Cmd::dn, 1, 9, 2, K::Text},
    {u"gsm.delivery",         u"TabDialGSM", u"Способ передачи сообщения о событии", Cmd::ds, 0, 0, 1, K::Choice, &C::DialDeliveries},
    {u"gsm.protocol",         u"TabDialGSM", u"Протокол",                            Cmd::dp, 0, 0, 1, K::Choice, &C::DialProtocols},
    {u"gsm.transparency",     u"TabDialGSM", u"Прозрачность",                        Cmd::dp, 0, 0, 2, K::Choice, &C::Transparency},

    {u"gprs.active",     u"TabGPRS", u"Активность",              Cmd::sm, 0, 0, 1, K::Choice, &C::Switch},
    {u"gprs.identifier", u"TabGPRS", u"Идентификатор",           Cmd::gi, 0, 0, 1, K::Identifier},
    {u"gprs.key.%1",     u"TabGPRS", u"Ключ шифрации, часть %1", Cmd::gk, 1, 4, 1, K::KeyPart},
    {u"gprs.sim%1.apn",      u"TabGPRS", u"APN-сервер SIM-карты №%1", Cmd::ga, 1, 2, 1, K::Apn, nullptr, 0, 0, Together},
    {u"gprs.sim%1.login",    u"TabGPRS", u"Логин SIM-карты №%1",      Cmd::gl, 1, 2, 1, K::Text, nullptr, 0, 0, Together},
    {u"gprs.sim%1.password", u"TabGPRS", u"Пароль SIM-карты №%1",     Cmd::gp, 1, 2, 1, K::Text},
    {u"gprs.duty1",           u"TabGPRS", u"Дежурный режим без подтверждения",  Cmd::gd, 0, 0, 1, K::Number},
    {u"gprs.duty2",           u"TabGPRS", u"Дежурный режим с подтверждением",   Cmd::gd, 0, 0, 2, K::Number},
    {u"gprs.answer_wait",     u"TabGPRS", u"Время ожидания ответа",             Cmd::gt, 0, 0, 1, K::Number},
    {u"gprs.no_answer_count", u"TabGPRS", u"Число неответов до снижения темпа", Cmd::gt, 0, 0, 2, K::Number},
    {u"gprs.sim1.server%1.address", u"TabGPRS", u"Сервер №%1 SIM-карты №1: адрес", Cmd::gs, 1, 3, 1, K::Address, nullptr, 0, 0, Together},
    {u"gprs.sim1.server%1.port",    u"TabGPRS", u"Сервер №%1 SIM-карты №1: порт",  Cmd::gs, 1, 3, 2, K::Number},
    {u"gprs.sim2.server%1.address", u"TabGPRS", u"Сервер №%1 SIM-карты №2: адрес", Cmd::gs, 4, 6, 1, K::Address, nullptr, 0, 3, Together},
    {u"gprs.sim2.server%1.port",    u"TabGPRS", u"Сервер №%1 SIM-карты №2: порт",  Cmd::gs, 4, 6, 2, K::Number, nullptr, 0, 3},
};

namespace R = InputRules;
const RuleRow RuleRows[] = {
    {u"common.key",                     R::FileKey},
    {u"common.old_key",                 R::FileKey},
    {u"common.password",                R::RemotePassword},
    {u"common.sim%1.phone",             R::PhoneNumber},
    {u"common.sim%1.balance_period",    R::BalancePeriod},
    {u"common.sim%1.balance_code",      R::PhoneNumber},
    {u"common.sim%1.balance_threshold", R::BalanceThreshold},
    {u"mode.exit_delay",                R::ExitDelay},
    {u"mode.sim_return_delay",          R::SimReturnDelay},
    {u"mode.sim_attempts",              R::SimAttempts},
    {u"indication.duty_period",         R::DutyPeriod},
    {u"indication.indicator_time",      R::IndicatorTime},
    {u"loops.%1.delay",                 R::ModeTime},
    {u"loops.%1.name",                  R::Alias},
    {u"relays.%1.time",                 R::ModeTime},
    {u"keys.%1.name",                   R::Alias},
    {u"sms.name",                       R::Alias},
    {u"sms.phones.%1.number",           R::PhoneNumber},
    {u"smsk.phones.%1.number",          R::PhoneNumber},
    {u"gsm.phones.%1.number",           R::PhoneNumber},
    {u"gprs.duty1",                     R::GprsDuty},
    {u"gprs.duty2",                     R::GprsDuty},
    {u"gprs.answer_wait",               R::GprsAnswerWait},
    {u"gprs.no_answer_count",           R::GprsNoAnswerCount},
    {u"gprs.sim1.server%1.port",        R::ServerPort},
    {u"gprs.sim2.server%1.port",        R::ServerPort},
};
// clang-format on

InputRule ruleOf(QStringView rowId)
{
    for (const RuleRow &row : RuleRows) {
        if (row.id == rowId)
            return row.rule;
    }
    return {};
}

QString numbered(QStringView pattern, int number)
{
    QString text = pattern.toString();
    return text.contains(u"%1") ? text.arg(number) : text;
}

Field fieldOf(const FieldRow &row, int instance)
{
    Field field;
    field.id = numbered(row.id, instance - row.offset);
    field.page = row.page.toString();
    field.pageCaption = PageCaptionOf(row.page);
    field.caption = numbered(row.caption, instance - row.offset);
    field.code = row.code;
    field.instance = instance;
    field.parameter = row.parameter;
    field.kind = row.kind;
    if (row.choices)
        field.choices = row.choices();
    field.listMax = row.listMax;
    field.otherText = row.otherText;
    field.rule = ruleOf(row.id);
    return field;
}

QList<Field> buildCatalogue()
{
    QList<Field> fields;
    const qsizetype count = std::size(Rows);
    for (qsizetype start = 0; start < count;) {
        qsizetype end = start + 1; // rows start..end-1 are laid out together
        while (Rows[end - 1].together && end < count)
            ++end;
        for (int instance = Rows[start].first; instance <= Rows[start].last; ++instance) {
            for (qsizetype i = start; i < end; ++i)
                fields.append(fieldOf(Rows[i], instance));
        }
        start = end;
    }
    return fields;
}

} // namespace

qint32 Field::min() const
{
    return CommandRowOf(code).minOf(parameter);
}

qint32 Field::max() const
{
    return CommandRowOf(code).maxOf(parameter);
}

qint32 Field::defaultValue() const
{
    return CommandRowOf(code).defaultOf(parameter);
}

const QList<Field> &FieldCatalogue()
{
    static const QList<Field> fields = buildCatalogue();
    return fields;
}

const Field *FindField(QStringView id)
{
    static const QHash<QString, qsizetype> byId = [] {
        QHash<QString, qsizetype> index;
        const QList<Field> &fields = FieldCatalogue();
        for (qsizetype i = 0; i < fields.size(); ++i)
            index.insert(fields[i].id, i);
        return index;
    }();
    const auto it = byId.constFind(id.toString());
    return it == byId.cend() ? nullptr : &FieldCatalogue()[*it];
}

const Field *FieldAt(quint8 code, int instance, int parameter)
{
    for (const Field &field : FieldCatalogue()) {
        if (field.code == code && field.instance == instance && field.parameter == parameter)
            return &field;
    }
    return nullptr;
}

std::span<const PageName> Pages()
{
    return PageNames;
}

QString PageCaptionOf(QStringView page)
{
    for (const PageName &p : PageNames) {
        if (p.name == page)
            return p.caption.toString();
    }
    return {};
}

const T_Command &FieldRecord(const Field &field, const T_Command_DEVICE &model)
{
    const T_Command &atPlace = model.record(field.code, field.instance);
    if (atPlace.number() == field.instance)
        return atPlace;
    for (const T_Command &r : model.records(field.code)) {
        if (r.number() == field.instance)
            return r;
    }
    return atPlace;
}

T_Command &FieldRecord(const Field &field, T_Command_DEVICE &model)
{
    return const_cast<T_Command &>(FieldRecord(field, std::as_const(model)));
}

} // namespace orva
