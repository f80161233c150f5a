// The six receiving servers of the page "GPRS" and the "=" switch that gives SIM 2 the servers of SIM 1.
#include "pages/gprs_page.h"

#include "widgets/control_builders.h"

#include "device_model/device.h"
#include "storage/store_form.h"
#include "widgets/field_edit.h"

#include <QCheckBox>

namespace orva {
namespace {

// Entries 54..66 of the control list: the SIM 2 server group and its twelve controls.
constexpr int FirstSim2ServerControl = 53;
constexpr int Sim2ServerControls = 13;

} // namespace

void GprsPage::Redraw_Server(int sim)
{
    const T_Command_DEVICE &m = model();
    for (int server = (sim - 1) * ServersPerSim + 1; server <= sim * ServersPerSim; ++server) {
        const T_Command &record = m.record(Cmd::gs, server);
        m_servers[server - 1]->setText(ShownServerAddress(record.text(1)));
        m_ports[server - 1]->setText(QString::number(record.value(2)));
    }
}

void GprsPage::E_GPRS_ServerExit(QLineEdit *server)
{
    // As the reader takes an address from a file: groups filled with "0" on the left.
    server->setText(ShownServerAddress(server->text()));
}

void GprsPage::Unload_Server(int sim)
{
    T_Command_DEVICE &m = model();
    for (int server = (sim - 1) * ServersPerSim + 1; server <= sim * ServersPerSim; ++server) {
        T_Command &record = m.record(Cmd::gs, server);
        record.setText(1, StoredServerAddress(m_servers[server - 1]->text()));
        record.setValue(2, NumberOrZero(m_ports[server - 1]));
    }
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
    for (int server = 1; server <= ServersPerSim; ++server) {
        const T_Command &first = m.record(Cmd::gs, server);
        T_Command &second = m.record(Cmd::gs, server + ServersPerSim);
        second.setText(1, first.text(1));
        second.setValue(2, first.value(2));
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
    for (int server = 0; server < ServersPerSim; ++server)
        m_servers[server + ServersPerSim]->setText(m_servers[server]->text());
}

void GprsPage::Event_ChangePort()
{
    if (!m_equal->isChecked())
        return;
    for (int server = 0; server < ServersPerSim; ++server)
        m_ports[server + ServersPerSim]->setText(m_ports[server]->text());
}

} // namespace orva
