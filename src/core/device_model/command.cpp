#include "command.h"

#include "command_table.h"

namespace orva {

T_Command::T_Command(quint8 code, qint32 number) : m_code(code), m_number(number)
{
    const CommandRow &row = CommandRowOf(code);
    m_value1 = row.default1;
    m_value2 = row.default2;
}

qint32 T_Command::value(int index) const
{
    switch (index) {
    case 0:
        return m_number;
    case 1:
        return m_value1;
    case 2:
        return m_value2;
    default:
        return 0;
    }
}

void T_Command::setValue(int index, qint32 value)
{
    switch (index) {
    case 0:
        m_number = value;
        break;
    case 1:
        m_value1 = value;
        break;
    case 2:
        m_value2 = value;
        break;
    default:
        break;
    }
}

QString T_Command::text(int index) const
{
    if (index == 1)
        return m_text1;
    if (index == 2)
        return m_text2;
    return {};
}

void T_Command::setText(int index, const QString &text)
{
    if (index == 1)
        m_text1 = text;
    else if (index == 2)
        m_text2 = text;
}

qint32 T_Command::item(int index) const
{
    return index >= 1 && index <= ItemCount ? m_items[index - 1] : 0;
}

void T_Command::setItem(int index, qint32 value)
{
    if (index >= 1 && index <= ItemCount)
        m_items[index - 1] = value;
}

void T_Command::Reset()
{
    const CommandRow &row = CommandRowOf(m_code);
    m_value1 = row.default1;
    m_value2 = row.default2;
    m_text1.clear();
    m_text2.clear();
    m_items.fill(0);
}

void T_Command::CopyFrom(const T_Command &other)
{
    *this = other;
}

} // namespace orva
