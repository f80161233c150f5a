#pragma once

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "input_rules.h"

#include <QList>
#include <QString>

#include <span>

namespace orva {

// How a field's value is shown and read back from its shown text.
enum class FieldKind : quint8 {
    Number,     // a decimal number; range and default from the command table
    Choice,     // one of the page's texts (a button, a check box, a list item), or its number
    Text,       // a text as typed
    Apn,        // an APN: shown with ".", stored with ","
    Identifier, // the GPRS identifier: 12 hexadecimal digits shown as 1234-5678-9ABC
    KeyPart,    // a part of the GPRS key: 16 hexadecimal digits shown as 01-23-45-67-89-AB-CD-EF
    Address,    // a server address: four decimal groups shown as 192.168.001.005
    List,       // numbers joined by "," (zone lists, the keys of an SMS-by-keys phone)
    KeyAlias,   // a key's alias without its type mark
    KeyType,    // a key's type, carried by the first character of its alias
    Learned,    // whether the panel has learned the key: "ключ обучен" or empty; never edited
};

// One value that the editor's pages show: a stable ASCII id, where it stands on the pages, and where
// it lives in the configuration.
struct Field
{
    QString id;          // "loops.1.mode"
    QString page;        // objectName of the page, "TabShleifs"
    QString pageCaption; // "Шлейфы"
    QString caption;     // "Шлейф 1: тип"
    quint8 code = 0;     // command table row
    int instance = 0;    // the command's instance number as written in the file (0: single instance)
    int parameter = 1;   // 1 or 2
    FieldKind kind = FieldKind::Text;
    std::span<const ChoiceText> choices; // Choice and KeyType
    int listMax = 0;                     // List: the highest number an item may hold
    QStringView otherText; // Choice: the text the page shows for a value it offers no choice for
    InputRule rule;        // what the page's entry field takes, where it has one
    QString control;       // objectName of the control that edits it ("E_GPRS_Port4"); empty: none of
                           // its own (radio buttons, a list's rows)
    QString listControl;   // the list whose row (instance - 1) the page edits; empty: none

    // Range and default of the parameter's command-table column.
    qint32 min() const;
    qint32 max() const;
    qint32 defaultValue() const;
};

// Every field in the order of the pages' tabs and, within a page, of its controls.
const QList<Field> &FieldCatalogue();

// The field with the given id, or null.
const Field *FindField(QStringView id);
// The first field that shows parameter `parameter` of instance `instance` of row `code`, or null.
const Field *FieldAt(quint8 code, int instance, int parameter);

// The field that shows parameter `param` of instance `instance`, or null.
const Field *FieldOf(ParamRef param, int instance = 0);

// The GSM page's list of the dial phones of a mode.
QString DialListControl(DialMode mode);

// The pages in tab order: objectName and caption.
struct PageName
{
    QStringView name;
    QStringView caption;
    bool tabShown = true; // false: the page holds its values but its tab is hidden (zones are off)
};
std::span<const PageName> Pages();
// The caption of a page given by objectName; empty for an unknown name.
QString PageCaptionOf(QStringView page);

// The name of a kind in the command line's output ("number", "choice", ...).
QString FieldKindName(FieldKind kind);

// The value as the page shows it.
QString ShowField(const Field &field, const T_Command_DEVICE &model);

// Reads a shown value (an address with points, a mode by its number or its text, ...) into the model
// in the form the page stores. Returns false and leaves the model alone when the text is no value of
// the field (a choice the page does not offer, for one); `error` then says why. What the field's entry
// control would refuse is FieldTakes' to say.
bool SetField(const Field &field, T_Command_DEVICE &model, const QString &shown, QString *error = nullptr);

// Stores the text of a field's entry control in the form the page stores it, without the checks of
// SetField: a text that is no number stores 0, an address that is none is kept as typed for the save
// checks to refuse. SetField stores through it once its checks pass. Returns false for the kinds that
// no entry control holds as text (choices, lists, keys).
bool StoreShownText(const Field &field, T_Command_DEVICE &model, const QString &shown);

// True when the page's entry field would take `shown` as typed (its character filter and length);
// otherwise `error` names the field and says what it takes. Fields without an entry control take
// everything here.
bool FieldTakes(const Field &field, const QString &shown, QString *error = nullptr);

// The record that carries the field's instance number. The dial phones' records change places when the
// editor sorts them, and each keeps its number; every other record stands at its number.
const T_Command &FieldRecord(const Field &field, const T_Command_DEVICE &model);
T_Command &FieldRecord(const Field &field, T_Command_DEVICE &model);

} // namespace orva

namespace orva {

// A field with the value the page shows.
struct ShownField
{
    const Field *field = nullptr;
    QString value;
};

// Every field of the catalogue with its shown value, in catalogue order.
QList<ShownField> ShowFields(const T_Command_DEVICE &model);

// A field whose shown values differ between two configurations.
struct FieldDifference
{
    const Field *field = nullptr;
    QString a;
    QString b;
};

// The fields whose shown values differ, in catalogue order. Differences of form alone (blank padding,
// "." or "," in an address, letter case of hexadecimal digits, the order of the dial phones' lines)
// show the same and so are none. Two values of a choice that the page shows by one text (a loop not in
// use, mode 7, and mode 13, which has no button) do differ: each side then carries its number, as
// "не используется (13)".
QList<FieldDifference> DiffFields(const T_Command_DEVICE &a, const T_Command_DEVICE &b);

} // namespace orva
