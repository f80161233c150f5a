#include "pages/rele_page.h"

#include "pages/page_host.h"
#include "widgets/mode_picture.h"
#include "widgets/radio_buttons.h"
#include "widgets/up_down.h"

#include "device_model/mode_rows.h"
#include "device_model/vocabularies.h"
#include "widgets/caption_group.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace orva {
namespace {

qint32 OnTimeDefault()
{
    return DefaultOf(Relay::Time);
}

} // namespace

RelePage::RelePage(PageHost &host, QWidget *tab) : ModeListPage(host, PageSlot::Rele, tab)
{
    CreateControls();
    connect(m_list, &QListWidget::itemSelectionChanged, this, &RelePage::L_Rele_RelesClick);
    for (const ModeButton &mode : std::as_const(m_modes))
        connect(mode.button, &QRadioButton::toggled, this, &RelePage::RB_ReleModeClick);
    connect(m_timeField, &QLineEdit::textChanged, this, &RelePage::E_Rele_DelayChange);
    BindFields();
}

RelePage::~RelePage() = default;

void RelePage::Create_Rele()
{
    // The zone controls in a table of four (check box, radio button) pairs, zone 1 to 4.
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
        ZonePair &pair = m_zones[zone - 1];
        pair.box = m_zoneGroup->findChild<QCheckBox *>(QStringLiteral("CB_Rele_Zone%1").arg(zone));
        pair.radio = m_zoneGroup->findChild<QRadioButton *>(QStringLiteral("RB_Rele_Zone%1").arg(zone));
        connect(pair.box, &QCheckBox::toggled, this, &RelePage::E_Rele_ZoneChange_C);
        connect(pair.radio, &QRadioButton::toggled, this,
                [this, zone](bool checked) { E_Rele_ZoneChange_R(zone, checked); });
    }
}

QString RelePage::RowText(const T_Command_DEVICE &model, int relay)
{
    const T_Command &record = model.record(Cmd::rm, relay);
    const RelayMode mode = record.get(Relay::Mode);
    QString text =
        QStringLiteral("Реле ") + QString::number(relay) + QStringLiteral(" (") + RelayModeCaptionOf(mode);
    if (!RelayModeHasTime(mode))
        return text + u')';
    return text + QStringLiteral(", ") + QString::number(record.get(Relay::Time)) + QStringLiteral(" сек.)");
}

std::optional<qint32> RelePage::StoredTime(int relay) const
{
    if (relay < 1 || relay > T_Command_DEVICE::RelayCount ||
        !RelayModeHasTime(model().get(Relay::Mode, relay)))
        return std::nullopt;
    return model().get(Relay::Time, relay);
}

int RelePage::SelectedRelay() const
{
    return SelectedItem();
}

QRadioButton *RelePage::ButtonOf(RelayMode mode) const
{
    return ModeListPage::ButtonOf(ToStored(mode));
}

QList<QRadioButton *> RelePage::ZoneRadios() const
{
    QList<QRadioButton *> radios;
    for (const ZonePair &pair : m_zones)
        radios.append(pair.radio);
    return radios;
}

void RelePage::Redraw_Rele()
{
    for (int relay = 1; relay <= T_Command_DEVICE::RelayCount; ++relay)
        Rele_RedrawRem(relay);
    ShowBoundFields();
    Rele_EnableElements();
    Rele_RedrawImage();
    Rele_RedrawElements();
    RememberOrigins();
}

void RelePage::RememberOrigins()
{
    for (int relay = 1; relay <= T_Command_DEVICE::RelayCount; ++relay) {
        m_origins[relay - 1].mode = model().get(Relay::Mode, relay);
        RememberZones(relay);
    }
}

void RelePage::RememberZones(int relay)
{
    m_origins[relay - 1].zones = model().record(Cmd::rz, relay);
}

void RelePage::UnLoad_Rele()
{
    StoreBoundFields();
}

void RelePage::Rele_RedrawRem(int relay)
{
    m_list->item(relay - 1)->setText(RowText(model(), relay));
    m_list->item(relay - 1)->setToolTip(m_list->item(relay - 1)->text());
}

// Ticks each zone check box and radio button of the relay's zones, as a redraw.
void RelePage::ShowZonesOf(int relay)
{
    const ProgramChange redraw(*this, ProgramStep::Redraw);
    UntickAll(ZoneRadios());
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
        const bool listed = relay != 0 && model().RelayHasZone(relay, zone);
        m_zones[zone - 1].box->setChecked(listed);
        if (listed)
            m_zones[zone - 1].radio->setChecked(true);
    }
}

void RelePage::Rele_RedrawElements()
{
    const int relay = SelectedRelay();
    if (relay == 0) {
        UntickAll(ModeButtons());
        ShowTime(OnTimeDefault());
        ShowZonesOf(0);
        return;
    }
    // Ticking the mode's button runs its click handler when it was not ticked. The zone controls still
    // show the relay shown before, so the guard keeps "Замок" from moving this relay into that relay's
    // zone: showing a relay never changes its zones.
    {
        const ProgramChange redraw(*this, ProgramStep::Redraw);
        if (QRadioButton *button = ButtonOf(model().get(Relay::Mode, relay)))
            button->setChecked(true);
        else
            UntickAll(ModeButtons());
    }

    // A stored on-time outside the up-down's range is shown clamped and stored back, also when the
    // field's text does not change.
    const qint32 stored = model().get(Relay::Time, relay);
    ShowTime(stored);
    if (stored != m_timeUpDown->position())
        E_Rele_DelayChange();

    ShowZonesOf(relay);
}

void RelePage::Rele_EnableElements()
{
    const int relay = SelectedRelay();
    m_group->setEnabled(true);
    if (relay == 0) {
        m_group->setCaptionColour(Colours::GroupDisabled);
        for (const ModeButton &m : std::as_const(m_modes))
            m.button->setEnabled(false);
        SetTimeControls(true, false);
        m_zoneGroup->setEnabled(false);
        for (const ZonePair &pair : m_zones) {
            pair.box->setVisible(true);
            pair.box->setEnabled(false);
            pair.radio->setVisible(false);
            pair.radio->setEnabled(false);
        }
        return;
    }
    m_group->setCaptionColour(Colours::GroupEnabled);
    for (const ModeButton &m : std::as_const(m_modes))
        m.button->setEnabled(true);
    const RelayMode mode = model().get(Relay::Mode, relay);
    if (mode == RelayMode::Sms) {
        m_zoneGroup->setVisible(false);
        for (QWidget *control : TimeControls())
            control->setVisible(false);
        return;
    }
    SetTimeControls(true, true);
    // The zone group itself is never shown again once the window has hidden it.
    m_zoneGroup->setEnabled(true);
    const bool lock = mode == RelayMode::Locker;
    for (const ZonePair &pair : m_zones) {
        pair.radio->setVisible(lock);
        pair.radio->setEnabled(lock);
        pair.box->setVisible(!lock);
        pair.box->setEnabled(!lock);
    }
}

void RelePage::Rele_RedrawImage()
{
    // Without a selection the picture area keeps what it shows.
    if (const int relay = SelectedRelay())
        m_picture->Show(host().programFolder(), RelayPicture(model(), relay));
}

void RelePage::Rele_SaveMode()
{
    const int relay = SelectedRelay();
    if (relay == 0)
        return;
    // Of the ticked buttons, the one of the highest save rank.
    const RelayModeRow *saved =
        SavedModeRow(RelayModeRows(), [this](RelayMode m) { return ButtonOf(m)->isChecked(); });
    RelayMode mode = saved ? saved->mode : RelayMode::None;
    if (mode == RelayMode::None) {
        mode = RelayMode::Sms;
        ButtonOf(RelayMode::Sms)->setChecked(true);
    }
    model().set(Relay::Mode, relay, mode);
    if (IsProgramChanging(ProgramStep::Redraw)) {
        // A relay being shown keeps its zones; a lock shows its first zone by the radio buttons.
        if (mode == RelayMode::Locker) {
            for (const ZonePair &pair : m_zones) {
                pair.radio->setChecked(pair.box->isChecked());
                if (pair.box->isChecked())
                    break;
            }
        }
        return;
    }
    // A mode the user chose starts from the relay's origin, so that only the mode it ends with counts.
    const RelayOrigin &origin = m_origins[relay - 1];
    model().record(Cmd::rz, relay).CopyFrom(origin.zones);
    if (mode != origin.mode && mode == RelayMode::Locker) {
        // A lock follows a single zone: the relay keeps only the first of its zones.
        int first = 0;
        for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount && first == 0; ++zone) {
            if (model().RelayHasZone(relay, zone))
                first = zone;
        }
        if (first != 0) {
            for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone)
                model().SetRelayZone(relay, zone, zone == first);
        }
    }
    ShowZonesOf(relay);
}

void RelePage::Rele_SaveDelay()
{
    if (const int relay = SelectedRelay())
        model().set(Relay::Time, relay, m_timeField->text().toInt());
}

void RelePage::Rele_SaveZone()
{
    const int relay = SelectedRelay();
    if (relay == 0)
        return;
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone)
        model().SetRelayZone(relay, zone, m_zones[zone - 1].box->isChecked());
}

void RelePage::L_Rele_RelesClick()
{
    Rele_EnableElements();
    Rele_RedrawImage();
    Rele_RedrawElements();
}

void RelePage::RB_ReleModeClick(bool checked)
{
    // Only ticking a button is a click; the button that loses its tick runs nothing.
    if (!checked)
        return;
    Rele_SaveMode();
    Rele_RedrawImage();
    Rele_EnableElements();
    if (const int relay = SelectedRelay())
        Rele_RedrawRem(relay);
}

void RelePage::E_Rele_DelayChange()
{
    if (const int relay = SelectedRelay()) {
        Rele_SaveDelay();
        Rele_RedrawRem(relay);
    }
}

void RelePage::E_Rele_ZoneChange_C()
{
    const int relay = SelectedRelay();
    if (relay == 0 || IsProgramChanging(ProgramStep::Redraw))
        return;
    Rele_SaveZone();
    RememberZones(relay);
    Rele_RedrawRem(relay);
    const ProgramChange redraw(*this, ProgramStep::Redraw);
    UntickAll(ZoneRadios());
    for (const ZonePair &pair : m_zones) {
        if (pair.box->isChecked())
            pair.radio->setChecked(true);
    }
}

void RelePage::E_Rele_ZoneChange_R(int zone, bool checked)
{
    const int relay = SelectedRelay();
    if (!checked || relay == 0 || IsProgramChanging(ProgramStep::Redraw))
        return;
    const ProgramChange redraw(*this, ProgramStep::Redraw);
    for (const ZonePair &pair : m_zones)
        pair.box->setChecked(false);
    m_zones[zone - 1].box->setChecked(true);
    Rele_SaveZone();
    RememberZones(relay);
    Rele_RedrawRem(relay);
}

} // namespace orva
