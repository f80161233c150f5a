#include "check_rule.h"

#include "config_text/win1251_codec.h"
#include "fields/field_catalogue.h"

#include <array>

namespace orva {
namespace {

// An editable text of the model by its parameter and instances; the field catalogue gives its page, the
// name the headline uses and the control that edits it. The version text (not edited), the learned-key
// marker and the server addresses (stored forms of their own) are not among them.
struct EditableText
{
    TextParam param;
    int firstInstance;
    int lastInstance;
};

// In the order of the pages' tabs, and within a page in the order of its controls.
constexpr std::array<EditableText, 19> Fields = {{
    {Panel::FileKey, 1, 1},
    {Panel::FileKey, 2, 2},
    {Panel::Password, 0, 0},
    {Sim::Phone, 1, T_Command_DEVICE::SimCount},
    {Sim::BalanceCode, 1, T_Command_DEVICE::SimCount},
    {Loop::Alias, 1, T_Command_DEVICE::LoopCount},
    {Key::Alias, 1, T_Command_DEVICE::KeyCount},
    {Panel::Name, 0, 0},
    {SmsPhone::Number, 1, T_Command_DEVICE::PhoneCount},
    {KeysPhone::Number, 1, T_Command_DEVICE::PhoneCount},
    {DialPhone::Number, 1, T_Command_DEVICE::PhoneCount},
    {Gprs::Identifier, 0, 0},
    {Gprs::KeyPart, 1, T_Command_DEVICE::GprsKeyPartCount},
    {Gprs::Apn, 1, 1},
    {Gprs::Login, 1, 1},
    {Gprs::Password, 1, 1},
    {Gprs::Apn, 2, 2},
    {Gprs::Login, 2, 2},
    {Gprs::Password, 2, 2},
}};

bool isControl(QChar c)
{
    return c.unicode() < 0x20;
}

bool isReaderSeparator(QChar c)
{
    return c == u'.' || c == u';' || c == u'$';
}

// The phone number of a GSM dial phone is dropped by the reader while the phone is not in use (mode 0);
// the page does not let the user edit it then.
bool notEdited(const T_Command_DEVICE &model, quint8 code, int instance)
{
    if (code != Cmd::dn)
        return false;
    const qint32 mode = model.get(DialPhone::Mode, instance);
    return mode < 1 || mode > 7;
}

CheckRule fieldRule(const EditableText &field, int instance, int number)
{
    const ParamKind kind = CommandRowOf(field.param.code).kindOf(field.param.position);
    CheckRule rule;
    rule.check = CheckId::ReadBack;
    rule.number = number;
    rule.subject = instance;
    // The field as the pages name it; a dial phone's rule concerns the phone in that place of the list.
    const Field *shown = FieldOf(field.param, instance);
    Q_ASSERT(shown);
    rule.page = shown->page;
    rule.headline = QStringLiteral("Недопустимые символы в поле \"%1\".").arg(shown->caption);
    rule.hint =
        kind == ParamKind::Text
            ? QStringLiteral("Текст не может начинаться или заканчиваться пробелом, содержать два пробела "
                             "подряд, переводы строк и другие управляющие символы, символы \".\", \";\" и "
                             "\"$\"")
            : QStringLiteral("Текст не может содержать пробелы, переводы строк и другие управляющие символы, "
                             "символы \".\", \";\" и \"$\"");
    const quint8 code = field.param.code;
    const int textIndex = field.param.position;
    rule.passes = [code, instance, textIndex, kind](const T_Command_DEVICE &model) {
        return notEdited(model, code, instance) ||
               ReadBackProblem(model.record(code, instance).text(textIndex), kind) == TextProblem::None;
    };
    rule.fix = FixOf(field.param, instance);
    // While GPRS is off the GPRS page's fields cannot be entered, so "Исправить" could not reach such a
    // text and every save would stop at it. As for the server addresses, the rule then offers the
    // field's default (the command table's empty text); with GPRS on the user puts the text right.
    const bool gprsPage = shown->page == PageOf(CheckId::GPRS);
    if (gprsPage) {
        rule.textDefault = [code, instance, textIndex](T_Command_DEVICE &model, bool) {
            T_Command fresh = model.record(code, instance);
            fresh.Reset();
            model.record(code, instance).setText(textIndex, fresh.text(textIndex));
        };
    }
    rule.refine = [code, instance, textIndex, kind, gprsPage](const T_Command_DEVICE &model,
                                                              RuleFailure &failure) {
        if (gprsPage)
            failure.defaultOffered = model.get(Gprs::Active) == 0;
        char32_t badChar = 0;
        if (ReadBackProblem(model.record(code, instance).text(textIndex), kind, &badChar) ==
            TextProblem::NoWindows1251Form) {
            failure.hint =
                QStringLiteral("Символ \"%1\" (U+%2) не может быть записан в файл конфигурации, его "
                               "следует удалить")
                    .arg(QString::fromUcs4(&badChar, 1),
                         QString::number(quint32(badChar), 16).toUpper().rightJustified(4, u'0'));
        }
        if (code == Cmd::dn) {
            const FixTarget fix = DialPhoneFix(model, instance);
            failure.listControl = fix.listControl;
            failure.listRow = fix.listRow;
        }
    };
    return rule;
}

} // namespace

TextProblem ReadBackProblem(QStringView text, ParamKind kind, char32_t *badChar)
{
    qsizetype at = -1;
    if (!IsWindows1251Text(text, &at, badChar))
        return TextProblem::NoWindows1251Form;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isControl(c) || isReaderSeparator(c))
            return TextProblem::BreaksReading;
        if (c != u' ')
            continue;
        // A `Text` value is rebuilt from its words with single blanks and trimmed.
        const bool atEdge = i == 0 || i == text.size() - 1;
        const bool doubled = i > 0 && text[i - 1] == u' ';
        if (kind != ParamKind::Text || atEdge || doubled)
            return TextProblem::BreaksReading;
    }
    return TextProblem::None;
}

// Check_ReadBack: every text the user edits must read back unchanged from the written configuration.
QList<CheckRule> ReadBackRules()
{
    QList<CheckRule> rules;
    for (const EditableText &field : Fields) {
        for (int instance = field.firstInstance; instance <= field.lastInstance; ++instance)
            rules.append(fieldRule(field, instance, int(rules.size()) + 1));
    }
    return rules;
}

} // namespace orva
