#include "pages/gprs_page.h"

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

    // The identifier, the key, the cards' access, the timing and the servers.
    ShowBoundFields();

    bool same = true;
    for (int k = 1; k <= T_Command_DEVICE::ServersPerSim; ++k) {
        const T_Command &first = m.record(Cmd::gs, k);
        const T_Command &second = m.record(Cmd::gs, k + T_Command_DEVICE::ServersPerSim);
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
    model().set(Gprs::Active, m_active->isChecked() ? 1 : 0);
    StoreBoundFields();
}

void GprsPage::GPRS_EnableElements()
{
    const bool on = m_active->isChecked();
    Q_EMIT GprsSwitched(on);
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
