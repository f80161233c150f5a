#pragma once

#include "validation.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace orva {

// A numeric parameter of the model (params.h) of one instance of its command.
struct ValueRef
{
    NumberParam<> param;
    int instance = 0;

    qint32 get(const T_Command_DEVICE &model) const { return model.get(param, instance); }
    void set(T_Command_DEVICE &model, qint32 value) const { model.set(param, instance, value); }
    // Range and default of the value's command-table column.
    qint32 columnMin() const;
    qint32 columnMax() const;
    qint32 columnDefault() const;
    bool inColumnRange(const T_Command_DEVICE &model) const;
};

// Where "Исправить" leads: the control that receives the focus and, on list pages, the row to select.
struct FixTarget
{
    QString focusControl;
    QString listControl;
    int listRow = -1;
};

// One rule of the chain as data: what it is called, what it says, when it passes, what its default
// writes and where the fix leads. Rules that concern one loop, relay, phone, server or field carry that
// number as their subject.
struct CheckRule
{
    CheckId check = CheckId::Common;
    int number = 0;
    int subject = 0;
    QString page; // objectName of the page; empty: the check's own page
    QString headline;
    QString hint; // built from the command table when the rule table is built
    std::function<bool(const T_Command_DEVICE &)> passes;
    std::optional<ValueRef> defaultValue; // set to its column default on "Установить \"по-умолчанию\""
    std::optional<ValueRef> mirroredDefault; // also set while the GPRS "=" switch is ticked
    // A default that is not a number of the command table (a server address): what
    // "Установить \"по-умолчанию\"" writes; the flag says whether the GPRS "=" switch is ticked.
    std::function<void(T_Command_DEVICE &, bool sameServers)> textDefault;
    FixTarget fix;
    // Rules whose hint or fix target depend on the model (the read-back rule names the offending
    // character; a GSM phone is found in the list of its kind) fill them in here.
    std::function<void(const T_Command_DEVICE &, RuleFailure &)> refine;
};

// Where "Исправить" leads for a value: the control the field catalogue names for it (without one, the
// list that shows it) and, on list pages, the row of its instance.
FixTarget FixOf(ParamRef param, int instance = 0);

// A rule that passes while the value lies within its command-table column's range, or while `exempt`
// says the value does not matter; its default is the column default and its fix the value's control.
CheckRule RangeRule(CheckId check, int number, const ValueRef &value, const QString &headline,
                    const QString &hint, std::function<bool(const T_Command_DEVICE &)> exempt = {});

// Hint of a range rule: prefix + (minimum + minOffset) + ".." + maximum + unit.
QString RangeHint(const QString &prefix, qint32 minimum, qint32 maximum, const QString &unit,
                  int minOffset = 0);
QString RangeHint(const QString &prefix, const ValueRef &value, const QString &unit, int minOffset = 0);

// The rules of each check, in the order their tables give.
QList<CheckRule> RezervAndSignalRules();
QList<CheckRule> ModeRules();
QList<CheckRule> ShleifsRules();
QList<CheckRule> ReleRules();
QList<CheckRule> SmsRules();
QList<CheckRule> SmskRules();
QList<CheckRule> DialGsmRules();
QList<CheckRule> GprsRules();
QList<CheckRule> CommonRules();
QList<CheckRule> ReadBackRules();

// The key and control-loop rule of one loop: true unless the loop is a control loop ("УПРАВЛЕНИЕ") and
// a key of a type other than "Патруль" is bound to the loop's zone (for a loop in no zone: a key with an
// empty zone slot).
bool Check_Shleif_Key(const T_Command_DEVICE &model, int loop);

// Where "Исправить" leads for GSM dial phone p: the list of its kind (free, dial, connect) with the row
// at the phone's position in that list.
FixTarget DialPhoneFix(const T_Command_DEVICE &model, int phone);

// Why an editable text would not come back unchanged from a written and re-read configuration.
enum class TextProblem {
    None,
    NoWindows1251Form, // a character the file cannot hold (`badChar` tells it)
    BreaksReading,     // a character or blank the reader treats as the end of the value or drops
};

// A `String` value is one word: no blank, ".", ";", "$" or control character (line breaks included).
// A `Text` value (the file keys) may hold single blanks between words, but no blank at either end, no
// two blanks in a row, no ".", ";", "$" or control character.
TextProblem ReadBackProblem(QStringView text, ParamKind kind, char32_t *badChar = nullptr);

// Page objectName and caption of a check (the read-back rule has no page of its own).
QString PageOf(CheckId check);
QString PageCaption(const QString &page);

} // namespace orva
