#pragma once

#include "device_model/device.h"

#include <QList>
#include <QString>

#include <optional>

namespace orva {

// The page checks in the order a save runs them, then the read-back rule of the editable texts.
enum class CheckId : quint8 {
    RezervAndSignal, // "Check_RezervAndSignal", page TabRezervAndSignal
    Mode,            // "Check_Mode", page TabMode
    Shleifs,         // "Check_Shleifs" (with the key and control-loop rule), page TabShleifs
    Rele,            // "Check_Rele", page TabRele
    SMS,             // "Check_SMS", page TabSMS
    SMSK,            // "Check_SMSK", page TabSMSK
    DialGSM,         // "Check_DialGSM", page TabDialGSM
    GPRS,            // "Check_GPRS", page TabGPRS
    Common,          // "Check_Common", page TabCommon
    ReadBack,        // "Check_ReadBack": the field's own page
};

// A point in the chain of rules: the index of a rule in chain order. The default position is the
// start of the chain.
struct ChainPosition
{
    int index = 0;

    ChainPosition next() const { return ChainPosition{index + 1}; }
    friend bool operator==(ChainPosition, ChainPosition) = default;
};

// One failing rule, with everything the editor needs to show it and to act on the answer.
struct RuleFailure
{
    ChainPosition position; // where the rule stands; go on from position.next()
    CheckId checkId = CheckId::Common;
    QString check;       // the check's name, e.g. "Check_Mode"
    int rule = 0;        // the rule's number within its check (the numbering of the check's table)
    QString page;        // objectName of the rule's page, e.g. "TabMode"
    QString pageCaption; // the page's caption, e.g. "Режимы"
    QString headline;    // first line of the error box
    QString hint;        // second line: what to do (ranges taken from the command table)
    bool defaultOffered = false; // the box offers "Установить \"по-умолчанию\"" (ApplyDefault writes it)
    QString focusControl; // objectName of the control that receives the focus on "Исправить"; the
                          // run-time alias edits of the keys page are named "E_Key_Name1".."E_Key_Name15"
    QString listControl;  // objectName of the list whose row is selected first; empty when none
    int listRow = -1;     // 0-based row of listControl to select (loop n: n - 1; SMS phone p: p - 1;
                          // GSM phone: its position in its own list); -1 when nothing is selected
    int subject = 0;      // the loop, relay, phone, server or field instance (1-based); 0 when none
};

// The checks in chain order.
QList<CheckId> ChainChecks();
// "Check_Mode" and so on.
QString CheckName(CheckId check);
// The position of the first rule of a check; a single page's check runs from there while the failures
// it finds still belong to it.
ChainPosition CheckStart(CheckId check);
// The position after the last rule of the chain.
ChainPosition ChainEnd();

// The first rule at or after `from` that fails on the model, or nothing when all of them pass.
std::optional<RuleFailure> FirstFailure(const T_Command_DEVICE &model, ChainPosition from = {});

struct DefaultOptions
{
    // The GPRS page's "=" switch is ticked: a default written to the port of server 1..3 is written to
    // server 4..6 as well. The switch is not part of the model, so the editor says it.
    bool gprsSameServers = false;
};

// The message of the server address rule, which the address field also gives when it is left holding
// no address.
QString ServerAddressHeadline();
QString ServerAddressHint();

// Writes the failing rule's default (the default of its command-table column) into the model. Returns
// false and changes nothing when the failure offers no default (`defaultOffered`). The caller then goes on
// with FirstFailure(model, failure.position.next()).
bool ApplyDefault(T_Command_DEVICE &model, const RuleFailure &failure, const DefaultOptions &options = {});

// Every rule of the chain that fails on the model as it is, in chain order. No default is applied: each
// rule is judged on the model given, so a rule whose default would make a later rule pass (a balance
// period of 49 without request code fails both the period rule and the request-code rule) lists both.
QList<RuleFailure> AllFailures(const T_Command_DEVICE &model);

} // namespace orva
