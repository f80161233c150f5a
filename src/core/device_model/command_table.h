#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace orva {

// How a command's parameter is written and where a record holds it.
enum class ParamKind : quint8 {
    None = 0,    // no parameter
    Integer = 1, // value1 / value2: a decimal number of at most five digits
    String = 2,  // text1 / text2: one word without blanks, points or semicolons
    Text = 3,    // text1: the rest of the line (parameter 1 only)
    List = 4,    // item1..item5: up to five numbers separated by commas (parameter 1 only)
};

// Row numbers of the command table, in table order (which is also the order of the written file).
// A record's code is its row number; 0 is no row.
namespace Cmd {
enum Code : quint8 {
    Zentrix = 1,
    fe,
    ks,
    Password, // "!!"
    oa,
    cm,
    ca,
    sk,
    ci,
    lf,
    bv,
    eb,
    om,
    el,
    cd,
    la,
    lm,
    xo,
    rm,
    br,
    sn,
    su,
    dn,
    ua,
    ph,
    sm,
    ga,
    gl,
    gp,
    gs,
    gd,
    gt,
    gi,
    gk,
    cb,
    dp,
    lc,
    ds,
    es,
    em,
    sg,
    zn,
    ez,
    rz,
    uz,
    ms,
    tb,
    ct,
};
} // namespace Cmd

constexpr int CommandRowCount = 48;

struct CommandRow
{
    QStringView code;
    quint8 firstInstance;
    quint8 lastInstance;
    ParamKind kind1;
    qint32 min1, default1, max1;
    ParamKind kind2;
    qint32 min2, default2, max2;

    // Kind, range and default of parameter 1 or 2.
    ParamKind kindOf(int parameter) const { return parameter == 1 ? kind1 : kind2; }
    qint32 minOf(int parameter) const { return parameter == 1 ? min1 : min2; }
    qint32 maxOf(int parameter) const { return parameter == 1 ? max1 : max2; }
    qint32 defaultOf(int parameter) const { return parameter == 1 ? default1 : default2; }

    int instanceCount() const { return lastInstance - firstInstance + 1; }
    bool hasSeveralInstances() const { return lastInstance != firstInstance; }
    bool hasInstance(qint64 n) const { return n >= firstInstance && n <= lastInstance; }
};

// All rows in table order; element i is row i + 1.
std::span<const CommandRow> CommandTable();

namespace detail {
// The rows themselves (command_table.cpp); read them through CommandTable and CommandRowOf.
extern const std::array<CommandRow, CommandRowCount> CommandRows;
} // namespace detail

// The row with the given number (1..48). Any other number is a programming error. Inline: the parser
// and the writer look a row up for every line.
inline const CommandRow &CommandRowOf(quint8 code)
{
    Q_ASSERT_X(code >= 1 && code <= CommandRowCount, "CommandRowOf", "no such row");
    return detail::CommandRows[qBound(1, int(code), CommandRowCount) - 1];
}

} // namespace orva
