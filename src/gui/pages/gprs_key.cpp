// The identifier and the encryption key of the page "GPRS": normalising on exit, generating and clearing.
#include "pages/gprs_page.h"

#include "pages/page_host.h"

#include "device_model/store_form.h"
#include "dialogs/modal_questions.h"
#include "random/key_random.h"
#include "widgets/field_edit.h"

namespace orva {

void GprsPage::E_ZR2_IdentExit()
{
    m_ident->setText(CompletedGprsIdentifier(m_ident->text()));
}

void GprsPage::E_ZR2_KeyExit(QLineEdit *part)
{
    part->setText(CompletedGprsKeyPart(part->text()));
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
    const QString digits = StrongRandomHexDigits(GprsKeyPartDigits * T_Command_DEVICE::GprsKeyPartCount);
    if (digits.size() != GprsKeyPartDigits * T_Command_DEVICE::GprsKeyPartCount) {
        host().questions().Ask(Question::Error(QStringLiteral("Ошибка генерации ключа"),
                                               QStringLiteral("Ключ оставлен без изменений"), false, true));
        return;
    }
    for (int part = 0; part < T_Command_DEVICE::GprsKeyPartCount; ++part)
        m_keys[part]->setText(CompletedGprsKeyPart(digits.mid(part * GprsKeyPartDigits, GprsKeyPartDigits)));
}

void GprsPage::B_GPRS_KeyClearClick()
{
    for (FieldEdit *part : m_keys)
        part->setText(ClearedKeyPart);
}

} // namespace orva
