#include "pages/gprs_page.h"

#include "pages/mode_page.h"
#include "pages/page_host.h"
#include "widgets/control_builders.h"
#include "widgets/up_down.h"

#include "device_model/device.h"
#include "device_model/digit_groups.h"
#include "device_model/store_form.h"
#include "validation/validation.h"
#include "widgets/field_edit.h"
#include "widgets/focus_binding.h"
#include "widgets/focus_colouring.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>

namespace orva {
namespace {

// The identifier and the key parts shown in groups, upper case.
QString ShownIdentifier(const QString &stored)
{
    QString text = stored;
    FormatDigitGroups(text, HexDigits, u'-', u'0', 4, -12, true);
    return text.toUpper();
}

QString ShownKeyPart(const QString &stored)
{
    QString text = stored;
    FormatDigitGroups(text, HexDigits, u'-', u'0', 2, -16, true);
    return text.toUpper();
}

void SetTicked(QCheckBox *box, int &tag, bool ticked)
{
    // The Tag tells the box's click handler that the change is not the user's.
    tag = 1;
    box->setChecked(ticked);
    tag = 0;
}

} // namespace

void GprsPage::Redraw_GPRS()
{
    const T_Command_DEVICE &m = model();
    SetTicked(m_active, m_activeTag, m.get(Gprs::Active) > 0);

    m_ident->setText(ShownIdentifier(m.get(Gprs::Identifier)));
    for (int part = 1; part <= KeyParts; ++part)
        m_keys[part - 1]->setText(ShownKeyPart(m.get(Gprs::KeyPart, part)));
    for (int sim = 1; sim <= 2; ++sim) {
        m_apn[sim - 1]->setText(ShownApn(m.get(Gprs::Apn, sim)));
        m_login[sim - 1]->setText(m.get(Gprs::Login, sim));
        m_password[sim - 1]->setText(m.get(Gprs::Password, sim));
    }
    const T_Command &duty = m.record(Cmd::gd);
    const T_Command &answer = m.record(Cmd::gt);
    ShowNumber(m_duty1, m_duty1UpDown, duty.get(Gprs::Duty1));
    ShowNumber(m_duty2, m_duty2UpDown, duty.get(Gprs::Duty2));
    ShowNumber(m_answer, m_answerUpDown, answer.get(Gprs::AnswerWait));
    ShowNumber(m_noAnswer, m_noAnswerUpDown, answer.get(Gprs::NoAnswerCount));

    Redraw_Server(1);
    Redraw_Server(2);

    bool same = true;
    for (int k = 1; k <= ServersPerSim; ++k) {
        const T_Command &first = m.record(Cmd::gs, k);
        const T_Command &second = m.record(Cmd::gs, k + ServersPerSim);
        same = same && first.get(Gprs::ServerPort) == second.get(Gprs::ServerPort) &&
               first.get(Gprs::ServerAddress) == second.get(Gprs::ServerAddress);
    }
    SetTicked(m_equal, m_equalTag, same);

    GPRS_EnableElements();
    GPRS_EqualElements();
}

void GprsPage::UnLoad_GPRS()
{
    // A field the user has not left yet holds the text as typed; it is stored as leaving it shows it.
    NormaliseGroupedFields();
    T_Command_DEVICE &m = model();
    m.set(Gprs::Active, m_active->isChecked() ? 1 : 0);
    m.set(Gprs::Identifier, StoredGprsIdentifier(m_ident->text()));
    for (int part = 1; part <= KeyParts; ++part)
        m.set(Gprs::KeyPart, part, StoredGprsKeyPart(m_keys[part - 1]->text()));
    for (int sim = 1; sim <= 2; ++sim) {
        m.set(Gprs::Apn, sim, StoredApn(m_apn[sim - 1]->text()));
        m.set(Gprs::Login, sim, m_login[sim - 1]->text());
        m.set(Gprs::Password, sim, m_password[sim - 1]->text());
    }
    T_Command &duty = m.record(Cmd::gd);
    T_Command &answer = m.record(Cmd::gt);
    duty.set(Gprs::Duty1, NumberOrZero(m_duty1));
    duty.set(Gprs::Duty2, NumberOrZero(m_duty2));
    answer.set(Gprs::AnswerWait, NumberOrZero(m_answer));
    answer.set(Gprs::NoAnswerCount, NumberOrZero(m_noAnswer));
    Unload_Server(1);
    Unload_Server(2);
}

void GprsPage::GPRS_EnableElements()
{
    const bool on = m_active->isChecked();
    host().PageAs<ModePage>(PageSlot::Mode)->EnableLockNoGPRS(on);
    // The group boxes are in the list; their captions turn maroon or grey with them.
    for (QWidget *control : std::as_const(m_controls))
        control->setEnabled(on);
}

void GprsPage::CB_GPRS_ActiveClick()
{
    if (m_activeTag != 0)
        return;
    GPRS_EnableElements();
    GPRS_EqualElements();
}

void GprsPage::RedrawAfterDefault(bool)
{
    // A default written by the check keeps "=" as the user had it: a port default is mirrored while it
    // is ticked, and an unticked "=" stays unticked even when the servers now happen to agree.
    const bool wasEqual = m_equal->isChecked();
    Redraw_GPRS();
    if (!wasEqual && m_equal->isChecked()) {
        SetTicked(m_equal, m_equalTag, false);
        GPRS_EnableElements();
        GPRS_EqualElements();
    }
}

void GprsPage::AddDefaultOptions(DefaultOptions &options) const
{
    options.gprsSameServers = m_equal->isChecked();
}

bool GprsPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut)
        return EditorPage::eventFilter(watched, event);
    // Leaving because the window lost the activation is no exit.
    const bool exit =
        type == QEvent::FocusOut && !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason());
    const HighlightMode mode = type == QEvent::FocusIn ? HighlightMode::Focused : HighlightMode::Unfocused;
    if (watched == m_active) {
        if (type == QEvent::FocusIn || exit)
            HighlightFocus(m_activeLabel, mode);
    } else if (watched == m_equal) {
        if (type == QEvent::FocusIn || exit) {
            for (QLabel *label : std::as_const(m_equalLabels))
                HighlightFocus(label, mode);
        }
    } else if (exit && watched == m_ident) {
        E_ZR2_IdentExit();
    } else if (exit) {
        for (FieldEdit *part : m_keys) {
            if (watched == part)
                E_ZR2_KeyExit(part);
        }
        for (FieldEdit *server : m_servers) {
            if (watched == server)
                E_GPRS_ServerExit(server);
        }
    }
    return EditorPage::eventFilter(watched, event);
}

} // namespace orva
