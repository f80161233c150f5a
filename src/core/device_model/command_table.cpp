#include "command_table.h"

#include <QtGlobal>

#include <array>

namespace orva {
namespace {

using K = ParamKind;

constexpr CommandRow row(const char16_t *code, quint8 first, quint8 last, K kind1, qint32 min1, qint32 def1,
                         qint32 max1, K kind2, qint32 min2, qint32 def2, qint32 max2)
{
    return CommandRow{code, first, last, kind1, min1, def1, max1, kind2, min2, def2, max2};
}

} // namespace

// clang-format off
constexpr std::array<CommandRow, CommandRowCount> detail::CommandRows = {{
    row(u"Zentrix", 0, 0,  K::Text,    0,  0,   0,   K::None,    0,     0,     0),  // Версия устройства
    row(u"fe",      0, 0,  K::None,    0,  0,   0,   K::None,    0,     0,     0),  // Команда разрешения чтения файла
    row(u"ks",      1, 2,  K::Text,    0,  0,   0,   K::None,    0,     0,     0),  // ключ шифрования файла
    row(u"!!",      0, 0,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Команда смены пароля
    row(u"oa",      0, 0,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Наименование прибора
    row(u"cm",      0, 0,  K::Integer, 1,  1,   2,   K::Integer, 1,    15,   120),  // Режим выбора SIM карт
    row(u"ca",      0, 0,  K::Integer, 1,  3,  20,   K::None,    0,     0,     0),  // Количество попыток отправки сообщений
    row(u"sk",      0, 0,  K::Integer, 0,  0,   1,   K::None,    0,     0,     0),  // Выбор кодировки SMS
    row(u"ci",      0, 0,  K::Integer, 0,  0,   1,   K::None,    0,     0,     0),  // постановка на охрану если нет GPRS-связи
    row(u"lf",      0, 0,  K::Integer, 0,  1,   1,   K::None,    0,     0,     0),  // разрешение создания LOG-файла
    row(u"bv",      0, 0,  K::Integer, 0,  1,   4,   K::None,    0,     0,     0),  // Уровень громкости сигнала зуммера
    row(u"eb",      0, 0,  K::Integer, 0,  1,   1,   K::None,    0,     0,     0),  // Включение внешнего зуммера
    row(u"om",      0, 0,  K::Integer, 0, 24,  48,   K::None,    0,     0,     0),  // Сообщение <дежурный режим>
    row(u"el",      0, 0,  K::Integer, 1, 90, 999,   K::None,    0,     0,     0),  // Время работы внешнего индикатора
    row(u"cd",      0, 0,  K::Integer, 1,  1, 255,   K::None,    0,     0,     0),  // Пауза при голосовом дозвоне
    row(u"la",      1, 4,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Имя ШЛ
    row(u"lm",      1, 4,  K::Integer, 1,  7,  16,   K::Integer, 1,    90,   180),  // Режим работы ШЛ
    row(u"xo",      0, 0,  K::Integer, 1, 90, 180,   K::None,    0,     0,     0),  // Задержка на выход
    row(u"rm",      1, 4,  K::Integer, 1,  0,  10,   K::Integer, 1,    90,   999),  // Режим работы реле
    row(u"br",      0, 0,  K::Integer, 0,  0,   1,   K::None,    0,     0,     0),  // Срабатывания реле по шлейфам КТС
    row(u"sn",      1, 9,  K::Integer, 0,  0,   4,   K::String,  0,     0,     0),  // Телефоны для отправки SMS
    row(u"su",      1, 9,  K::List,    0,  0,  15,   K::String,  0,     0,     0),  // Телефоны для отправки SMS по ключам
    row(u"dn",      1, 9,  K::Integer, 0,  0,   7,   K::String,  0,     0,     0),  // Телефоны для дозвона по каналу данных
    row(u"ua",      1, 15, K::String,  0,  0,   0,   K::String,  0,     0,     0),  // Ключи и пользователи
    row(u"ph",      1, 2,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Номера телефонов прибора
    row(u"sm",      0, 0,  K::Integer, 0,  0,   4,   K::None,    0,     0,     0),  // Режим отправки сообщений
    row(u"ga",      1, 2,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // APN-серверы, логины и пароли для GPRS
    row(u"gl",      1, 2,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Логины для GPRS
    row(u"gp",      1, 2,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Пароли для GPRS
    row(u"gs",      1, 6,  K::String,  0,  0,   0,   K::Integer, 1, 10001, 65535),  // IP-адрес и порт пульта для GPRS
    row(u"gd",      0, 0,  K::Integer, 10, 15, 900,  K::Integer, 10,   30,   900),  // Периоды передачи дежурных режимов для GPRS
    row(u"gt",      0, 0,  K::Integer, 5,  5,  60,   K::Integer, 1,     2,   100),  // Время ожидания и число неответов для GPRS
    row(u"gi",      0, 0,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Идентификатор для GPRS
    row(u"gk",      1, 4,  K::String,  0,  0,   0,   K::None,    0,     0,     0),  // Ключ шифрации для GPRS
    row(u"cb",      1, 2,  K::Integer, 0,  0,  48,   K::String,  0,     0,     0),  // Параметры контроля баланса
    row(u"dp",      0, 0,  K::Integer, 0,  0,   4,   K::Integer, 0,     1,     1),  // Тип протокола для дозвона с соединением
    row(u"lc",      0, 0,  K::Integer, 0,  0,   9,   K::None,    0,     0,     0),  // Число повторов тревог по шлейфу
    row(u"ds",      0, 0,  K::Integer, 0,  0,   2,   K::None,    0,     0,     0),  // Режим передачи сообщений с соединением
    row(u"es",      0, 0,  K::Integer, 0,  1,   1,   K::None,    0,     0,     0),  // Режим снятия поднесением ключа
    row(u"em",      0, 0,  K::Integer, 0,  0,   1,   K::None,    0,     0,     0),  // Разрешение формирования сообщения "Вход"
    row(u"sg",      0, 0,  K::Integer, 0,  1,   1,   K::None,    0,     0,     0),  // Режим дублирования SMS канала GPRS/CSD
    row(u"zn",      1, 4,  K::List,    1,  0,   4,   K::None,    0,     0,     0),  // Распределение шлейфов по разделам
    row(u"ez",      0, 0,  K::Integer, 1,  1,   4,   K::None,    0,     0,     0),  // Привязка внешнего индикатора к разделу
    row(u"rz",      1, 4,  K::List,    1,  0,   4,   K::None,    0,     0,     0),  // Привязка реле к разделам
    row(u"uz",      1, 15, K::List,    1,  0,   4,   K::None,    0,     0,     0),  // Привязка ключей к разделам
    row(u"ms",      0, 0,  K::Integer, 0,  0,   1,   K::None,    0,     0,     0),  // Задание ведущей SIM-карты
    row(u"tb",      0, 0,  K::Integer, 0,  1,   1,   K::None,    0,     0,     0),  // Разрешение сработки реле при взломе
    row(u"ct",      1, 2,  K::Integer, 1, 10, 255,   K::None,    0,     0,     0),
}};
// clang-format on

std::span<const CommandRow> CommandTable()
{
    return detail::CommandRows;
}

} // namespace orva
