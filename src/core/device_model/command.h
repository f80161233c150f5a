#pragma once

#include "command_table.h"
#include "modes.h"

#include <QString>

#include <array>
#include <type_traits>

namespace orva {

// A parameter of a command by name (params.h): the command's row, the position of the parameter (1 or
// 2) and, for a number, the type it is read as (a mode enum or qint32).
template <typename T = qint32> struct NumberParam
{
    quint8 code;
    int position;
};

struct TextParam
{
    quint8 code;
    int position;
};

// A list of numbers (a zone's loops, the keys an SMS-by-keys phone watches): the items of a command's
// records.
struct ListParam
{
    quint8 code;
    int position;
};

// Any parameter, number, text or list, by its command and position: how the field catalogue and the
// checks name the value they concern. Every parameter converts to it implicitly.
struct ParamRef
{
    quint8 code;
    int position;

    template <typename T>
    constexpr ParamRef(NumberParam<T> param) : code(param.code), position(param.position)
    {}
    constexpr ParamRef(TextParam param) : code(param.code), position(param.position) {}
    constexpr ParamRef(ListParam param) : code(param.code), position(param.position) {}
};

// One command instance of the configuration: its table row, its instance number and the values of its
// parameters. Every record has room for two numbers, two texts and five list items; the command table
// decides which of them a command uses.
class T_Command
{
public:
    static constexpr int ItemCount = 5;

    // An empty record: row 0, everything zero or empty.
    T_Command() = default;
    // A record of the given row and instance, with the row's defaults in value1 and value2.
    T_Command(quint8 code, qint32 number);

    quint8 code() const { return m_code; }
    void setCode(quint8 code) { m_code = code; }
    qint32 number() const { return m_number; }
    void setNumber(qint32 number) { m_number = number; }
    quint8 count() const { return m_count; }
    void setCount(quint8 count) { m_count = count; }

    // Index 0 is the instance number, 1 value1, 2 value2; other indexes read 0 and ignore writes.
    qint32 value(int index) const
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
    void setValue(int index, qint32 value)
    {
        if (index == 0)
            m_number = value;
        else if (index == 1)
            m_value1 = value;
        else if (index == 2)
            m_value2 = value;
    }
    // Index 1 is text1, 2 text2; other indexes read empty and ignore writes.
    const QString &text(int index) const { return index == 1 ? m_text1 : index == 2 ? m_text2 : NoText; }
    void setText(int index, const QString &text);
    void setText(int index, QString &&text);
    // Index 1..5 are item1..item5; other indexes read 0 and ignore writes. 0 marks an empty item.
    qint32 item(int index) const { return index >= 1 && index <= ItemCount ? m_items[index - 1] : 0; }
    void setItem(int index, qint32 value)
    {
        if (index >= 1 && index <= ItemCount)
            m_items[index - 1] = value;
    }

    // A named parameter of this record's command (params.h): `record.get(Loop::Delay)`.
    template <typename T> T get(NumberParam<T> param) const { return FromStored<T>(value(param.position)); }
    QString get(TextParam param) const { return text(param.position); }
    template <typename T> void set(NumberParam<T> param, std::type_identity_t<T> v)
    {
        setValue(param.position, ToStored(v));
    }
    void set(TextParam param, const QString &t) { setText(param.position, t); }

    // Back to the row's defaults: value1, value2 from the table, texts empty, items 0.
    // Code, number and count stay.
    void Reset()
    {
        const CommandRow &row = CommandRowOf(m_code);
        m_value1 = row.default1;
        m_value2 = row.default2;
        m_text1.clear();
        m_text2.clear();
        m_items.fill(0);
    }
    // The record T_Command(code, number) gives, count 0, made in place.
    void ResetAs(quint8 code, qint32 number)
    {
        m_code = code;
        m_number = number;
        m_count = 0;
        Reset();
    }
    void CopyFrom(const T_Command &other);

private:
    static inline const QString NoText;

    quint8 m_code = 0;
    qint32 m_number = 0;
    qint32 m_value1 = 0;
    qint32 m_value2 = 0;
    QString m_text1;
    QString m_text2;
    quint8 m_count = 0;
    std::array<qint32, ItemCount> m_items{};
};

} // namespace orva
