#include "field_catalogue.h"

#include "config_text/writer.h"
#include "device_model/digit_groups.h"
#include "device_model/store_form.h"
#include "device_model/vocabularies.h"

#include <QRegularExpression>

namespace orva {
namespace {

constexpr QStringView LearnedText = u"ключ обучен";
constexpr qint32 HighestFileNumber = 99999; // a number in the file has at most five digits

struct KindName
{
    FieldKind kind;
    QStringView name;
};
constexpr KindName KindNames[] = {
    {FieldKind::Number, u"number"},
    {FieldKind::Choice, u"choice"},
    {FieldKind::Text, u"text"},
    {FieldKind::Apn, u"apn"},
    {FieldKind::Identifier, u"identifier"},
    {FieldKind::KeyPart, u"key-part"},
    {FieldKind::Address, u"address"},
    {FieldKind::List, u"list"},
    {FieldKind::KeyAlias, u"key-alias"},
    {FieldKind::KeyType, u"key-type"},
    {FieldKind::Learned, u"learned"},
};

QString listText(const T_Command &r, int width)
{
    QStringList items;
    for (int i = 1; i <= T_Command::ItemCount; ++i) {
        if (r.item(i) != 0)
            items.append(QString::number(r.item(i)).rightJustified(width, u'0'));
    }
    return items.join(u',');
}

// A choice by its text (letter case and enclosing double quotes aside) or by its number.
std::optional<qint32> choiceOf(const Field &field, const QString &shown)
{
    const auto bare = [](QStringView text) {
        QStringView t = text.trimmed();
        if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
            t = t.mid(1, t.size() - 2);
        return t;
    };
    for (const ChoiceText &choice : field.choices) {
        if (bare(choice.text).compare(bare(shown), Qt::CaseInsensitive) == 0)
            return choice.value;
    }
    // A number: one of the choices. A value the page offers no choice for (a loop mode 13 that a file
    // brought) is shown but never given.
    bool isNumber = false;
    const qint32 value = shown.trimmed().toInt(&isNumber);
    if (!isNumber || shown.trimmed().startsWith(u'+'))
        return std::nullopt;
    for (const ChoiceText &choice : field.choices) {
        if (choice.value == value)
            return value;
    }
    return std::nullopt;
}

QString choicesList(const Field &field)
{
    QStringList texts;
    for (const ChoiceText &choice : field.choices)
        texts.append(QString::number(choice.value) + u" \"" + choice.text + u'"');
    return texts.join(QStringLiteral(", "));
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Digits of the allowed set in groups separated by `separator` (or none), at most `digits` in all.
bool isDigitGroups(const QString &text, QStringView allowed, QChar separator, int digits)
{
    int count = 0;
    for (QChar c : text) {
        if (allowed.contains(c))
            ++count;
        else if (c != separator)
            return false;
    }
    return count <= digits;
}

bool setList(const Field &field, T_Command &r, const QString &shown, QString *error)
{
    QList<qint32> numbers;
    const QString trimmed = shown.trimmed();
    if (!trimmed.isEmpty()) {
        for (const QString &part : trimmed.split(u',')) {
            bool isNumber = false;
            const qint32 n = part.trimmed().toInt(&isNumber);
            if (!isNumber || n < 1 || n > field.listMax)
                return fail(error, QStringLiteral("\"%1\" is not a number from 1 to %2")
                                       .arg(part.trimmed(), QString::number(field.listMax)));
            if (numbers.contains(n))
                return fail(error, QStringLiteral("%1 is given twice").arg(n));
            numbers.append(n);
        }
    }
    if (numbers.size() > T_Command::ItemCount)
        return fail(error, QStringLiteral("at most %1 numbers").arg(T_Command::ItemCount));
    // The keys of an SMS-by-keys phone are stored in key order, as its page stores them.
    if (field.code == Cmd::su)
        std::sort(numbers.begin(), numbers.end());
    for (int i = 1; i <= T_Command::ItemCount; ++i)
        r.setItem(i, i <= numbers.size() ? numbers[i - 1] : 0);
    return true;
}

// The alias is stored behind its type's mark. A duress or patrol key's alias has at most 9 characters
// (its page takes no more, and the store form cuts a longer one that a file brought); a plain key's
// alias is kept whole.
bool setKeyAlias(T_Command &r, const QString &name, int type, QString *error)
{
    if (type != 0 && name.size() > TypedKeyNameLength)
        return fail(error, QStringLiteral("a duress or patrol key's alias has at most %1 characters")
                               .arg(TypedKeyNameLength));
    const QString stored = KeyAliasOfType(type, name);
    if (type == 0 && stored != name)
        return fail(error,
                    QStringLiteral("the alias of a key of type \"%1\" cannot start with \"!\" or \"*\" "
                                   "(they mark the other types)")
                        .arg(ChoiceTextOf(PageChoices::KeyTypes(), 0)));
    r.set(Key::Alias, stored);
    return true;
}

} // namespace

QString FieldKindName(FieldKind kind)
{
    for (const KindName &k : KindNames) {
        if (k.kind == kind)
            return k.name.toString();
    }
    return {};
}

QString ShowField(const Field &field, const T_Command_DEVICE &model)
{
    const T_Command &r = FieldRecord(field, model);
    switch (field.kind) {
    case FieldKind::Number:
        return QString::number(r.value(field.parameter));
    case FieldKind::Choice: {
        const qint32 value = r.value(field.parameter);
        QStringView text = ChoiceTextOf(field.choices, value);
        if (text.isNull())
            text = field.otherText;
        return text.isNull() ? QString::number(value) : text.toString();
    }
    case FieldKind::Text:
        return r.text(field.parameter);
    case FieldKind::Apn:
        return ShownApn(r.text(field.parameter));
    case FieldKind::Identifier:
        return ShownGprsIdentifier(r.text(field.parameter));
    case FieldKind::KeyPart:
        return ShownGprsKeyPart(r.text(field.parameter));
    case FieldKind::Address:
        return ShownServerAddress(r.text(field.parameter));
    case FieldKind::List:
        return listText(r, field.code == Cmd::su ? 2 : 1);
    case FieldKind::KeyAlias:
        return KeyNameOfAlias(r.get(Key::Alias));
    case FieldKind::KeyType:
        return ChoiceTextOf(field.choices, KeyTypeOfAlias(r.get(Key::Alias))).toString();
    case FieldKind::Learned:
        return r.get(Key::Learned).isEmpty() ? QString() : LearnedText.toString();
    }
    return {};
}

bool FieldTakes(const Field &field, const QString &shown, QString *error)
{
    QString why;
    if (InputRuleTakes(field.rule, shown, &why))
        return true;
    return fail(error, QStringLiteral("%1 (%2): %3").arg(field.id, field.caption, why));
}

bool StoreShownText(const Field &field, T_Command_DEVICE &model, const QString &shown)
{
    T_Command &r = FieldRecord(field, model);
    switch (field.kind) {
    case FieldKind::Number: {
        bool isNumber = false;
        const qint32 value = shown.trimmed().toInt(&isNumber);
        r.setValue(field.parameter, isNumber ? value : 0);
        return true;
    }
    case FieldKind::Text:
        r.setText(field.parameter, shown);
        return true;
    case FieldKind::Apn:
        r.setText(field.parameter, StoredApn(shown));
        return true;
    case FieldKind::Identifier:
        r.setText(field.parameter, StoredGprsIdentifier(shown));
        return true;
    case FieldKind::KeyPart:
        r.setText(field.parameter, StoredGprsKeyPart(shown));
        return true;
    case FieldKind::Address:
        // A text that is no address is kept as it is, so that the address check refuses it.
        r.setText(field.parameter, IsServerAddressText(shown) ? StoredServerAddress(shown) : shown);
        return true;
    default:
        return false;
    }
}

bool SetField(const Field &field, T_Command_DEVICE &model, const QString &shown, QString *error)
{
    T_Command &r = FieldRecord(field, model);
    switch (field.kind) {
    case FieldKind::Number: {
        bool isNumber = false;
        const QString trimmed = shown.trimmed();
        const qint64 value = trimmed.toLongLong(&isNumber);
        if (!isNumber || trimmed.startsWith(u'+') || value < 0 || value > HighestFileNumber)
            return fail(error, QStringLiteral("\"%1\" is not a number from 0 to %2")
                                   .arg(shown, QString::number(HighestFileNumber)));
        StoreShownText(field, model, trimmed);
        return true;
    }
    case FieldKind::Choice: {
        const std::optional<qint32> value = choiceOf(field, shown);
        if (!value)
            return fail(error, QStringLiteral("\"%1\" is none of: %2").arg(shown, choicesList(field)));
        r.setValue(field.parameter, *value);
        return true;
    }
    case FieldKind::Text:
    case FieldKind::Apn:
        StoreShownText(field, model, shown);
        return true;
    case FieldKind::Identifier:
        if (!isDigitGroups(shown, HexDigits, u'-', GprsIdentifierDigits))
            return fail(error, QStringLiteral("\"%1\" is not an identifier of up to 12 hexadecimal digits "
                                              "(1234-5678-9ABC)")
                                   .arg(shown));
        StoreShownText(field, model, shown);
        return true;
    case FieldKind::KeyPart:
        if (!isDigitGroups(shown, HexDigits, u'-', GprsKeyPartDigits))
            return fail(error, QStringLiteral("\"%1\" is not a key part of up to 16 hexadecimal digits "
                                              "(01-23-45-67-89-AB-CD-EF)")
                                   .arg(shown));
        StoreShownText(field, model, shown);
        return true;
    case FieldKind::Address: {
        static const QRegularExpression address(QStringLiteral("^[0-9]{1,3}([.,][0-9]{1,3}){3}$"));
        if (!address.match(shown.trimmed()).hasMatch())
            return fail(error,
                        QStringLiteral("\"%1\" is not an address of four numbers (192.168.1.5)").arg(shown));
        StoreShownText(field, model, shown.trimmed());
        return true;
    }
    case FieldKind::List:
        return setList(field, r, shown, error);
    case FieldKind::KeyAlias:
        return setKeyAlias(r, shown, KeyTypeOfAlias(r.get(Key::Alias)), error);
    case FieldKind::KeyType: {
        const std::optional<qint32> type = choiceOf(field, shown);
        if (!type)
            return fail(error, QStringLiteral("\"%1\" is none of: %2").arg(shown, choicesList(field)));
        // As the page does: a typed key keeps the first 9 characters of its alias.
        QString name = KeyNameOfAlias(r.get(Key::Alias));
        if (*type != 0)
            name.truncate(TypedKeyNameLength);
        return setKeyAlias(r, name, *type, error);
    }
    case FieldKind::Learned:
        return fail(error, QStringLiteral("the panel learns its keys; the configuration only shows it"));
    }
    return false;
}

} // namespace orva
