// The six receiving servers of the page "GPRS" and the "=" switch that gives SIM 2 the servers of SIM 1.
#include "pages/gprs_page.h"

#include "widgets/control_builders.h"

#include "pages/page_host.h"

#include "device_model/device.h"
#include "device_model/store_form.h"
#include "dialogs/modal_questions.h"
#include "validation/validation.h"
#include "widgets/field_edit.h"

#include <QCheckBox>

namespace orva {
namespace {

// Entries 54..66 of the control list: the SIM 2 server group and its twelve controls.
constexpr int FirstSim2ServerControl = 53;
constexpr int Sim2ServerControls = 13;

// The id prefix of the catalogue fields of a SIM card's servers.
QString ServerFieldsOf(int sim)
{
    return QStringLiteral("gprs.sim%1.server").arg(sim);
}

} // namespace

void GprsPage::Redraw_Server(int sim)
{
    ShowBoundFields(ServerFieldsOf(sim));
}

void GprsPage::NormaliseServerField(QLineEdit *server)
{
    // As the reader takes an address from a file: groups filled with "0" on the left. A text that is no
    // address (a group of four digits, a port, a prefix length) stays as typed: any address made of it
    // would be one the user did not type.
    if (IsServerAddressText(server->text()))
        server->setText(ShownServerAddress(server->text()));
}

void GprsPage::E_GPRS_ServerExit(QLineEdit *server)
{
    NormaliseServerField(server);
    if (IsServerAddressText(server->text()))
        return;
    // Refused with the address rule's message once the focus has moved on, and the user is taken back
    // to the field to correct it.
    QMetaObject::invokeMethod(
        this,
        [this, server] {
            if (IsServerAddressText(server->text()))
                return;
            host().questions().Ask(
                Question::Error(ServerAddressHeadline(), ServerAddressHint(), true, false));
            server->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void GprsPage::Unload_Server(int sim)
{
    StoreBoundFields(ServerFieldsOf(sim));
}

void GprsPage::GPRS_EqualElements()
{
    const bool equal = m_equal->isChecked();
    if (m_active->isChecked()) {
        // The group's caption is grey while the group is disabled.
        for (int i = FirstSim2ServerControl; i < FirstSim2ServerControl + Sim2ServerControls; ++i)
            m_controls.at(i)->setEnabled(!equal);
    }
    if (!equal)
        return;
    Unload_Server(1);
    T_Command_DEVICE &m = model();
    for (int server = 1; server <= T_Command_DEVICE::ServersPerSim; ++server) {
        const T_Command &first = m.record(Cmd::gs, server);
        T_Command &second = m.record(Cmd::gs, server + T_Command_DEVICE::ServersPerSim);
        second.set(Gprs::ServerAddress, first.get(Gprs::ServerAddress));
        second.set(Gprs::ServerPort, first.get(Gprs::ServerPort));
    }
    Redraw_Server(2);
}

void GprsPage::CB_GPRS_EqualClick()
{
    if (m_equalTag != 0)
        return;
    GPRS_EqualElements();
}

void GprsPage::Event_ChangeServer()
{
    if (!m_equal->isChecked())
        return;
    for (int server = 0; server < T_Command_DEVICE::ServersPerSim; ++server)
        m_servers[server + T_Command_DEVICE::ServersPerSim]->setText(m_servers[server]->text());
}

void GprsPage::Event_ChangePort()
{
    if (!m_equal->isChecked())
        return;
    for (int server = 0; server < T_Command_DEVICE::ServersPerSim; ++server)
        m_ports[server + T_Command_DEVICE::ServersPerSim]->setText(m_ports[server]->text());
}

} // namespace orva
