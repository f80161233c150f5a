// The identifier and the encryption key of the page "GPRS": normalising on exit, generating and clearing.
#include "gprs_page.h"

#include "page_host.h"

#include "dialogs/field_edit.h"
#include "random/program_random.h"

namespace orva {
namespace {

constexpr int IdentDigits = 12;
constexpr int IdentGroup = 4;
constexpr int KeyDigits = 16;
constexpr int KeyGroup = 2;
constexpr quint32 HexBase = 16;

// The text of a masked edit without its "-" literals, made `digits` long: a position the text does not
// reach, or that holds a blank, becomes "0"; then "-" after every group but the last.
QString NormalisedGroups(const QString &shown, int digits, int groupWidth)
{
    QString plain = shown;
    plain.remove(u'-');
    QString result;
    for (int i = 0; i < digits; ++i) {
        if (i > 0 && i % groupWidth == 0)
            result.append(u'-');
        const QChar c = i < plain.size() ? plain.at(i) : QChar(u' ');
        result.append(c == u' ' ? QChar(u'0') : c);
    }
    return result;
}

} // namespace

void GprsPage::E_ZR2_IdentExit()
{
    m_ident->setText(NormalisedGroups(m_ident->displayText(), IdentDigits, IdentGroup));
}

void GprsPage::E_ZR2_KeyExit(QLineEdit *part)
{
    part->setText(NormalisedGroups(part->displayText(), KeyDigits, KeyGroup));
}

void GprsPage::B_GPRS_KeyGenerateClick()
{
    static constexpr char16_t Digits[] = u"0123456789ABCDEF";
    ProgramRandom &random = host().random();
    // The model receives the key when the page is stored.
    for (FieldEdit *part : m_keys) {
        QString text;
        for (int i = 0; i < KeyDigits; ++i) {
            if (i > 0 && i % KeyGroup == 0)
                text.append(u'-');
            text.append(QChar(Digits[random.Random(HexBase)]));
        }
        part->setText(text);
    }
}

void GprsPage::B_GPRS_KeyClearClick()
{
    for (FieldEdit *part : m_keys)
        part->setText(ClearedKeyPart);
}

} // namespace orva
