#include "command.h"

#include "command_table.h"

#include <utility>

namespace orva {

T_Command::T_Command(quint8 code, qint32 number) : m_code(code), m_number(number)
{
    const CommandRow &row = CommandRowOf(code);
    m_value1 = row.default1;
    m_value2 = row.default2;
}

void T_Command::setText(int index, const QString &text)
{
    if (index == 1)
        m_text1 = text;
    else if (index == 2)
        m_text2 = text;
}

void T_Command::setText(int index, QString &&text)
{
    if (index == 1)
        m_text1 = std::move(text);
    else if (index == 2)
        m_text2 = std::move(text);
}

void T_Command::CopyFrom(const T_Command &other)
{
    *this = other;
}

} // namespace orva
