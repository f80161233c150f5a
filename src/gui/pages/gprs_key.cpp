// The identifier and the encryption key of the page "GPRS": normalising on exit, generating and clearing.
#include "pages/gprs_page.h"

#include "pages/page_host.h"

#include "device_model/digit_groups.h"
#include "dialogs/modal_questions.h"
#include "random/key_random.h"
#include "widgets/field_edit.h"

namespace orva {
namespace {

constexpr int IdentDigits = 12;
constexpr int IdentGroup = 4;
constexpr int KeyDigits = 16;
constexpr int KeyGroup = 2;

// The text in groups of `groupWidth` upper-case hexadecimal digits joined by "-", `digits` in all: each
// group the user wrote (between "-" or other characters) is filled with "0" on the right, then the
// digits are filled on the right or cut to `digits`. "12AB" becomes 12AB-0000-0000.
QString NormalisedGroups(const QString &shown, int digits, int groupWidth)
{
    QString text = shown;
    FormatDigitGroups(text, HexDigits, u'-', u'0', groupWidth, digits, true);
    return text.toUpper();
}

} // namespace

void GprsPage::E_ZR2_IdentExit()
{
    m_ident->setText(NormalisedGroups(m_ident->text(), IdentDigits, IdentGroup));
}

void GprsPage::E_ZR2_KeyExit(QLineEdit *part)
{
    part->setText(NormalisedGroups(part->text(), KeyDigits, KeyGroup));
}

void GprsPage::NormaliseGroupedFields()
{
    E_ZR2_IdentExit();
    for (FieldEdit *part : m_keys)
        E_ZR2_KeyExit(part);
    for (FieldEdit *server : m_servers)
        NormaliseServerField(server);
}

void GprsPage::B_GPRS_KeyGenerateClick()
{
    // The digits come from the strong random source, all 64 at once; the model receives the key when
    // the page is stored.
    const QString digits = StrongRandomHexDigits(KeyDigits * KeyParts);
    if (digits.size() != KeyDigits * KeyParts) {
        host().questions().Ask(Question::Error(QStringLiteral("Ошибка генерации ключа"),
                                               QStringLiteral("Ключ оставлен без изменений"), false, true));
        return;
    }
    for (int part = 0; part < KeyParts; ++part)
        m_keys[part]->setText(NormalisedGroups(digits.mid(part * KeyDigits, KeyDigits), KeyDigits, KeyGroup));
}

void GprsPage::B_GPRS_KeyClearClick()
{
    for (FieldEdit *part : m_keys)
        part->setText(ClearedKeyPart);
}

} // namespace orva
