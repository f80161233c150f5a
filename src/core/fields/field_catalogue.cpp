#include "field_catalogue.h"

#include <QHash>

namespace orva {
namespace {

constexpr PageName PageNames[] = {
    {u"TabCommon", u"Общие"},        {u"TabMode", u"Режимы"}, {u"TabRezervAndSignal", u"Индикация"},
    {u"TabShleifs", u"Шлейфы"},      {u"TabRele", u"Реле"},   {u"TabKeys", u"Ключи"},
    {u"TabZone", u"Разделы", false}, {u"TabSMS", u"SMS"},     {u"TabSMSK", u"SMS-К"},
    {u"TabDialGSM", u"GSM-дозвон"},  {u"TabGPRS", u"GPRS"},
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
    ParamRef param; // params.h
    int first;
    int last;
    FieldKind kind;
    Choices choices = nullptr;
    int listMax = 0;
    int offset = 0;
    bool together = false;
    QStringView otherText = {};
};

// Where a field is edited, by the id of its catalogue row: the objectName of its control ("%1" is the
// instance, so the second SIM card's first port is E_GPRS_Port4), the list whose row (instance - 1) the
// control edits, and what the control takes where it is an entry field. A field set by a group of
// radio buttons or by a list's own rows has no control of its own.
struct EntryRow
{
    QStringView id;
    QStringView control;
    QStringView list = {};
    InputRule rule = {};
};

using K = FieldKind;
// The servers of SIM card 1 are instances 1..Sim1Servers, those of SIM card 2 the rest.
constexpr int Sim1Servers = T_Command_DEVICE::ServersPerSim;
namespace C = PageChoices;
constexpr bool Together = true;

// clang-format off
const FieldRow Rows[] = {
    {u"common.key",                    u"TabCommon", u"Ключ шифрования конфигурации",              Panel::FileKey, 1, 1, K::Text},
    {u"common.old_key",                u"TabCommon", u"\"Старый\" ключ (для смены ключа)",         Panel::FileKey, 2, 2, K::Text},
    {u"common.password",               u"TabCommon", u"Пароль удаленного управления",              Panel::Password, 0, 0, K::Text},
    {u"common.sim%1.phone",            u"TabCommon", u"Номер телефона SIM-карты №%1",              Sim::Phone, 1, T_Command_DEVICE::SimCount, K::Text},
    {u"common.sim%1.balance_period",   u"TabCommon", u"Период опроса баланса SIM-карты №%1",       Sim::BalancePeriod, 1, T_Command_DEVICE::SimCount, K::Number, nullptr, 0, 0, Together},
    {u"common.sim%1.balance_code",     u"TabCommon", u"Код запроса баланса SIM-карты №%1",         Sim::BalanceCode, 1, T_Command_DEVICE::SimCount, K::Text, nullptr, 0, 0, Together},
    {u"common.sim%1.balance_threshold", u"TabCommon", u"Порог оповещения о низком балансе счета SIM-карты №%1", Sim::BalanceThreshold, 1, T_Command_DEVICE::SimCount, K::Number},

    {u"mode.exit_delay",        u"TabMode", u"Задержка на выход",                                              Panel::ExitDelay, 0, 0, K::Number},
    {u"mode.lock_without_gprs", u"TabMode", u"Запрещена постановка на охрану при отсутсвии связи по каналу GPRS", Panel::LockWithoutGprs, 0, 0, K::Choice, &C::Switch},
    {u"mode.log",               u"TabMode", u"Разрешено ведение LOG-файла работы прибора",                     Panel::Log, 0, 0, K::Choice, &C::Switch},
    {u"mode.disarm_reset",      u"TabMode", u"При снятии сначала выполняется сброс пожарных шлейфов и сирены", Panel::DisarmReset, 0, 0, K::Choice, &C::Switch},
    {u"mode.entry_message",     u"TabMode", u"Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой", Panel::EntryMessage, 0, 0, K::Choice, &C::Switch},
    {u"mode.sim_mode",          u"TabMode", u"Режим выбора SIM-карты",                                         Sim::Mode, 0, 0, K::Choice, &C::SimModes},
    {u"mode.sim_return_delay",  u"TabMode", u"Задержка возврата на основную SIM-карту",                        Sim::ReturnDelay, 0, 0, K::Number},
    {u"mode.sim_attempts",      u"TabMode", u"Число неудачных попыток связи перед переключением",              Sim::Attempts, 0, 0, K::Number},
    {u"mode.main_sim",          u"TabMode", u"Основная SIM-карта",                                             Sim::Master, 0, 0, K::Choice, &C::MasterSims},

    {u"indication.duty_period",     u"TabRezervAndSignal", u"Периодичность формирования сообщений \"Дежурный режим\"", Indication::DutyPeriod, 0, 0, K::Number},
    {u"indication.indicator_time",  u"TabRezervAndSignal", u"Время работы выносного индикатора",         Indication::IndicatorTime, 0, 0, K::Number},
    {u"indication.buzzer_volume",   u"TabRezervAndSignal", u"Уровень громкости встроенного зуммера",     Indication::BuzzerVolume, 0, 0, K::Number},
    {u"indication.external_buzzer", u"TabRezervAndSignal", u"Внешний зуммер включен",                    Indication::ExternalBuzzer, 0, 0, K::Choice, &C::Switch},
    {u"indication.indicator_zone",  u"TabRezervAndSignal", u"Привязка выносного индикатора к разделам",  Indication::IndicatorZone, 0, 0, K::Choice, &C::IndicatorZones},

    {u"loops.%1.mode",      u"TabShleifs", u"Шлейф %1: тип",       Loop::Mode, 1, T_Command_DEVICE::LoopCount, K::Choice, &C::LoopModes, 0, 0, Together, NotUsedText},
    {u"loops.%1.delay",     u"TabShleifs", u"Шлейф %1: задержка",  Loop::Delay, 1, T_Command_DEVICE::LoopCount, K::Number, nullptr, 0, 0, Together},
    {u"loops.%1.name",      u"TabShleifs", u"Шлейф %1: псевдоним", Loop::Alias, 1, T_Command_DEVICE::LoopCount, K::Text},
    {u"loops.alarm_repeats", u"TabShleifs", u"Число повторов тревог по каждому шлейфу", Loop::AlarmRepeats, 0, 0, K::Choice, &C::AlarmRepeats},

    {u"relays.%1.mode",     u"TabRele", u"Реле %1: режим работы", Relay::Mode, 1, T_Command_DEVICE::RelayCount, K::Choice, &C::RelayModes, 0, 0, Together},
    {u"relays.%1.time",     u"TabRele", u"Реле %1: время работы", Relay::Time, 1, T_Command_DEVICE::RelayCount, K::Number},
    {u"relays.panic_loop",  u"TabRele", u"Активация реле при нарушении шлейфа КТС", Relay::OnPanicLoop, 0, 0, K::Choice, &C::Switch},
    {u"relays.tamper",      u"TabRele", u"Активация реле при нарушении тампера",    Relay::OnTamper, 0, 0, K::Choice, &C::Switch},

    {u"keys.%1.name",    u"TabKeys", u"Ключ №%1: псевдоним",   Key::Alias, 1, T_Command_DEVICE::KeyCount, K::KeyAlias, nullptr, 0, 0, Together},
    {u"keys.%1.type",    u"TabKeys", u"Ключ №%1: тип ключа",   Key::Alias, 1, T_Command_DEVICE::KeyCount, K::KeyType, &C::KeyTypes, 0, 0, Together},
    {u"keys.%1.learned", u"TabKeys", u"Ключ №%1: ключ обучен", Key::Learned, 1, T_Command_DEVICE::KeyCount, K::Learned},

    {u"zones.%1.loops",  u"TabZone", u"Раздел %1: шлейфы", Zone::Loops, 1, T_Command_DEVICE::ZoneCount, K::List, nullptr, T_Command_DEVICE::LoopCount},
    {u"zones.relays.%1", u"TabZone", u"Реле %1: разделы",  Zone::RelayZones, 1, T_Command_DEVICE::RelayCount, K::List, nullptr, T_Command_DEVICE::ZoneCount},
    {u"zones.keys.%1",   u"TabZone", u"Ключ №%1: разделы", Zone::KeyZones, 1, T_Command_DEVICE::KeyCount, K::List, nullptr, T_Command_DEVICE::ZoneCount},

    {u"sms.name",               u"TabSMS", u"Псевдоним",                   Panel::Name, 0, 0, K::Text},
    {u"sms.phones.%1.messages", u"TabSMS", u"Телефон %1: набор сообщений", SmsPhone::MessageSet, 1, T_Command_DEVICE::PhoneCount, K::Choice, &C::SmsMessageSets, 0, 0, Together},
    {u"sms.phones.%1.number",   u"TabSMS", u"Телефон %1: номер",           SmsPhone::Number, 1, T_Command_DEVICE::PhoneCount, K::Text},
    {u"sms.charset",            u"TabSMS", u"Кодировка SMS",               Sms::Charset, 0, 0, K::Choice, &C::SmsCharsets},
    {u"sms.send_mode",          u"TabSMS", u"Режим отправки SMS",          Sms::SendMode, 0, 0, K::Choice, &C::SmsSendModes},

    {u"smsk.phones.%1.keys",   u"TabSMSK", u"Телефон %1: контролируемые ключи", KeysPhone::Keys, 1, T_Command_DEVICE::PhoneCount, K::List, nullptr, T_Command_DEVICE::KeyCount, 0, Together},
    {u"smsk.phones.%1.number", u"TabSMSK", u"Телефон %1: номер",                KeysPhone::Number, 1, T_Command_DEVICE::PhoneCount, K::Text},

    {u"gsm.phones.%1.mode",   u"TabDialGSM", u"Телефон (поз.%1): набор сообщений",   DialPhone::Mode, 1, T_Command_DEVICE::PhoneCount, K::Choice, &C::DialModes, 0, 0, Together},
    {u"gsm.phones.%1.number", u"TabDialGSM", u"Телефон (поз.%1): номер",             DialPhone::Number, 1, T_Command_DEVICE::PhoneCount, K::Text},
    {u"gsm.delivery",         u"TabDialGSM", u"Способ передачи сообщения о событии", Dialing::Delivery, 0, 0, K::Choice, &C::DialDeliveries},
    {u"gsm.protocol",         u"TabDialGSM", u"Протокол",                            Dialing::Protocol, 0, 0, K::Choice, &C::DialProtocols},
    {u"gsm.transparency",     u"TabDialGSM", u"Прозрачность",                        Dialing::Transparency, 0, 0, K::Choice, &C::Transparency},

    {u"gprs.active",     u"TabGPRS", u"Активность",              Gprs::Active, 0, 0, K::Choice, &C::Switch},
    {u"gprs.identifier", u"TabGPRS", u"Идентификатор",           Gprs::Identifier, 0, 0, K::Identifier},
    {u"gprs.key.%1",     u"TabGPRS", u"Ключ шифрации, часть %1", Gprs::KeyPart, 1, T_Command_DEVICE::GprsKeyPartCount, K::KeyPart},
    {u"gprs.sim%1.apn",      u"TabGPRS", u"APN-сервер SIM-карты №%1", Gprs::Apn, 1, T_Command_DEVICE::SimCount, K::Apn, nullptr, 0, 0, Together},
    {u"gprs.sim%1.login",    u"TabGPRS", u"Логин SIM-карты №%1",      Gprs::Login, 1, T_Command_DEVICE::SimCount, K::Text, nullptr, 0, 0, Together},
    {u"gprs.sim%1.password", u"TabGPRS", u"Пароль SIM-карты №%1",     Gprs::Password, 1, T_Command_DEVICE::SimCount, K::Text},
    {u"gprs.duty1",           u"TabGPRS", u"Дежурный режим без подтверждения",  Gprs::Duty1, 0, 0, K::Number},
    {u"gprs.duty2",           u"TabGPRS", u"Дежурный режим с подтверждением",   Gprs::Duty2, 0, 0, K::Number},
    {u"gprs.answer_wait",     u"TabGPRS", u"Время ожидания ответа",             Gprs::AnswerWait, 0, 0, K::Number},
    {u"gprs.no_answer_count", u"TabGPRS", u"Число неответов до снижения темпа", Gprs::NoAnswerCount, 0, 0, K::Number},
    {u"gprs.sim1.server%1.address", u"TabGPRS", u"Сервер №%1 SIM-карты №1: адрес", Gprs::ServerAddress, 1, Sim1Servers, K::Address, nullptr, 0, 0, Together},
    {u"gprs.sim1.server%1.port",    u"TabGPRS", u"Сервер №%1 SIM-карты №1: порт",  Gprs::ServerPort, 1, Sim1Servers, K::Number},
    {u"gprs.sim2.server%1.address", u"TabGPRS", u"Сервер №%1 SIM-карты №2: адрес", Gprs::ServerAddress, Sim1Servers + 1, T_Command_DEVICE::ServerCount, K::Address, nullptr, 0, Sim1Servers, Together},
    {u"gprs.sim2.server%1.port",    u"TabGPRS", u"Сервер №%1 SIM-карты №2: порт",  Gprs::ServerPort, Sim1Servers + 1, T_Command_DEVICE::ServerCount, K::Number, nullptr, 0, Sim1Servers},
};

namespace R = InputRules;
const EntryRow EntryRows[] = {
    {u"common.key",                     u"E_Common_KEY",             {}, R::FileKey},
    {u"common.old_key",                 u"E_Common_KEYOld",          {}, R::FileKey},
    {u"common.password",                u"E_Common_Password",        {}, R::RemotePassword},
    {u"common.sim%1.phone",             u"E_Common_PhoneNumber%1",   {}, R::PhoneNumber},
    {u"common.sim%1.balance_period",    u"E_Common_BalanceDelay%1",  {}, R::BalancePeriod},
    {u"common.sim%1.balance_code",      u"E_Common_BalancePhone%1",  {}, R::PhoneNumber},
    {u"common.sim%1.balance_threshold", u"E_Common_BalanceVal%1",    {}, R::BalanceThreshold},
    {u"mode.exit_delay",                u"E_Mode_ExitDelay",         {}, R::ExitDelay},
    {u"mode.lock_without_gprs",         u"CB_Mode_LockNoGPRS"},
    {u"mode.log",                       u"CB_Mode_LogEnable"},
    {u"mode.disarm_reset",              u"CB_Mode_UnlockMode"},
    {u"mode.entry_message",             u"CB_Mode_EnterEnable"},
    {u"mode.sim_return_delay",          u"E_Mode_SIMDelay",          {}, R::SimReturnDelay},
    {u"mode.sim_attempts",              u"E_Mode_SIM_CountConect",   {}, R::SimAttempts},
    {u"mode.main_sim",                  u"CB_Mode_SIM_Master"},
    {u"indication.duty_period",         u"E_Indic_DutyDelay",        {}, R::DutyPeriod},
    {u"indication.indicator_time",      u"E_Indic_ExtIndic",         {}, R::IndicatorTime},
    {u"indication.buzzer_volume",       u"TB_Indic_IntZummer"},
    {u"indication.external_buzzer",     u"CB_Indic_ExtZumm"},
    {u"indication.indicator_zone",      u"CB_Indic_Zone"},
    {u"loops.%1.mode",                  {},                          u"L_Shleif_Shleifs"},
    {u"loops.%1.delay",                 u"E_Shleif_Delay",           u"L_Shleif_Shleifs", R::ModeTime},
    {u"loops.%1.name",                  u"E_Shleif_Name",            u"L_Shleif_Shleifs", R::Alias},
    {u"loops.alarm_repeats",            u"CB_Shleif_AlarmRepeat"},
    {u"relays.%1.mode",                 {},                          u"L_Rele_Reles"},
    {u"relays.%1.time",                 u"E_Rele_Delay",             u"L_Rele_Reles", R::ModeTime},
    {u"relays.panic_loop",              u"CB_Rele_ActiveKTS"},
    {u"relays.tamper",                  u"CB_Rele_ActiveTamper"},
    {u"keys.%1.name",                   u"E_Key_Name%1",             {}, R::Alias},
    {u"keys.%1.type",                   u"CB_Key_Type%1"},
    {u"keys.%1.learned",                u"E_Key_Code%1"},
    {u"sms.name",                       u"E_SMS_Name",               {}, R::Alias},
    {u"sms.phones.%1.messages",         {},                          u"ListSMSPhones"},
    {u"sms.phones.%1.number",           u"EditSMSPhoneNumber",       u"ListSMSPhones", R::PhoneNumber},
    {u"smsk.phones.%1.keys",            {},                          u"ListSMSK_Phones"},
    {u"smsk.phones.%1.number",          u"EditSMSK_PhoneNumber",     u"ListSMSK_Phones", R::PhoneNumber},
    {u"gsm.phones.%1.number",           u"EditGSM_PhoneNumber",      {}, R::PhoneNumber},
    {u"gsm.delivery",                   u"ComboBoxGSM_DataMode"},
    {u"gsm.protocol",                   u"ComboBoxGSM_Protocol"},
    {u"gsm.transparency",               u"CheckBoxGSM_Transparent"},
    {u"gprs.active",                    u"CB_GPRS_Active"},
    {u"gprs.identifier",                u"E_GPRS_Ident"},
    {u"gprs.key.%1",                    u"E_GPRS_Key%1"},
    {u"gprs.sim%1.apn",                 u"E_GPRS_APN%1"},
    {u"gprs.sim%1.login",               u"E_GPRS_Login%1"},
    {u"gprs.sim%1.password",            u"E_GPRS_Password%1"},
    {u"gprs.duty1",                     u"E_GPRS_Duty1",             {}, R::GprsDuty},
    {u"gprs.duty2",                     u"E_GPRS_Duty2",             {}, R::GprsDuty},
    {u"gprs.answer_wait",               u"E_GPRS_Answer",            {}, R::GprsAnswerWait},
    {u"gprs.no_answer_count",           u"E_GPRS_NoAnswer",          {}, R::GprsNoAnswerCount},
    {u"gprs.sim1.server%1.address",     u"E_GPRS_Server%1"},
    {u"gprs.sim1.server%1.port",        u"E_GPRS_Port%1",            {}, R::ServerPort},
    {u"gprs.sim2.server%1.address",     u"E_GPRS_Server%1"},
    {u"gprs.sim2.server%1.port",        u"E_GPRS_Port%1",            {}, R::ServerPort},
};

// The dial phones' lists on the GSM page, by dial mode.
constexpr QStringView DialLists[DialModeCount] = {u"ListGSM_Free", u"ListGSM_Dial", u"ListGSM_Connect"};
// clang-format on

const EntryRow *entryOf(QStringView rowId)
{
    for (const EntryRow &row : EntryRows) {
        if (row.id == rowId)
            return &row;
    }
    return nullptr;
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
    field.code = row.param.code;
    field.instance = instance;
    field.parameter = row.param.position;
    field.kind = row.kind;
    if (row.choices)
        field.choices = row.choices();
    field.listMax = row.listMax;
    field.otherText = row.otherText;
    if (const EntryRow *entry = entryOf(row.id)) {
        field.control = numbered(entry->control, instance);
        field.listControl = entry->list.toString();
        field.rule = entry->rule;
    }
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

const Field *FieldOf(ParamRef param, int instance)
{
    return FieldAt(param.code, instance, param.position);
}

QString DialListControl(DialMode mode)
{
    return DialLists[int(mode)].toString();
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
