#include "check_rule.h"

#include "config_text/win1251_codec.h"
#include "fields/field_catalogue.h"

#include <array>

namespace orva {
namespace {

// An editable text of the model and the control that edits it; the field catalogue gives its page and
// the name the headline uses. The version text (not edited), the learned-key marker and the server
// addresses (stored forms of their own) are not among them.
struct EditableText
{
    quint8 code;
    int firstInstance;
    int lastInstance;
    int textIndex;
    QStringView control;     // "%1" is replaced by the instance where each instance has its own control
    QStringView listControl; // the list whose row (instance - 1) is selected first; empty when none
};

// clang-format off
// In the order of the pages' tabs, and within a page in the order of its controls.
constexpr std::array<EditableText, 19> Fields = {{
    {Cmd::ks,       1, 1, 1, u"E_Common_KEY",            u""},
    {Cmd::ks,       2, 2, 1, u"E_Common_KEYOld",         u""},
    {Cmd::Password, 0, 0, 1, u"E_Common_Password",       u""},
    {Cmd::ph,       1, 2, 1, u"E_Common_PhoneNumber%1",  u""},
    {Cmd::cb,       1, 2, 2, u"E_Common_BalancePhone%1", u""},
    {Cmd::la,       1, 4, 1, u"E_Shleif_Name",           u"L_Shleif_Shleifs"},
    {Cmd::ua,       1, 15, 1, u"E_Key_Name%1",           u""},
    {Cmd::oa,       0, 0, 1, u"E_SMS_Name",              u""},
    {Cmd::sn,       1, 9, 2, u"EditSMSPhoneNumber",      u"ListSMSPhones"},
    {Cmd::su,       1, 9, 2, u"EditSMSK_PhoneNumber",    u"ListSMSK_Phones"},
    {Cmd::dn,       1, 9, 2, u"EditGSM_PhoneNumber",     u""},
    {Cmd::gi,       0, 0, 1, u"E_GPRS_Ident",            u""},
    {Cmd::gk,       1, 4, 1, u"E_GPRS_Key%1",            u""},
    {Cmd::ga,       1, 1, 1, u"E_GPRS_APN1",             u""},
    {Cmd::gl,       1, 1, 1, u"E_GPRS_Login1",           u""},
    {Cmd::gp,       1, 1, 1, u"E_GPRS_Password1",        u""},
    {Cmd::ga,       2, 2, 1, u"E_GPRS_APN2",             u""},
    {Cmd::gl,       2, 2, 1, u"E_GPRS_Login2",           u""},
    {Cmd::gp,       2, 2, 1, u"E_GPRS_Password2",        u""},
}};
// clang-format on

bool isControl(QChar c)
{
    return c.unicode() < 0x20;
}

bool isReaderSeparator(QChar c)
{
    return c == u'.' || c == u';' || c == u'$';
}

ParamKind kindOf(const EditableText &field)
{
    return CommandRowOf(field.code).kindOf(field.textIndex);
}

QString withInstance(QStringView pattern, int instance)
{
    QString text = pattern.toString();
    if (text.contains(u"%1"))
        text = text.arg(instance);
    return text;
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
    const ParamKind kind = kindOf(field);
    CheckRule rule;
    rule.check = CheckId::ReadBack;
    rule.number = number;
    rule.subject = instance;
    // The field as the pages name it; a dial phone's rule concerns the phone in that place of the list.
    const Field *shown = FieldAt(field.code, instance, field.textIndex);
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
    const quint8 code = field.code;
    const int textIndex = field.textIndex;
    rule.passes = [code, instance, textIndex, kind](const T_Command_DEVICE &model) {
        return notEdited(model, code, instance) ||
               ReadBackProblem(model.record(code, instance).text(textIndex), kind) == TextProblem::None;
    };
    rule.fix.focusControl = withInstance(field.control, instance);
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
    if (!field.listControl.isEmpty()) {
        rule.fix.listControl = field.listControl.toString();
        rule.fix.listRow = instance - 1;
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
