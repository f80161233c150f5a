#pragma once

#include "pages/mode_list_page.h"

#include "device_model/device.h"
#include "device_model/modes.h"

#include <QList>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace orva {

class CaptionGroup;

// The page "Реле" (TabRele): the four relays with their modes, on-times and (hidden) zones, and the two
// activation boxes. One relay is edited at a time, chosen in the list; every relay edit goes into the
// model at once, only the activation boxes wait for UnLoad_Rele. No relay is selected at start.
class RelePage : public ModeListPage
{
    Q_OBJECT
public:
    RelePage(PageHost &host, QWidget *tab);
    ~RelePage() override;

    // Builds the controls that are made at run time; the window runs it once when it is created.
    void Create_Rele();
    void Redraw_Rele();
    void UnLoad_Rele();

    // The page steps.
    void Rele_RedrawRem(int relay);
    void Rele_RedrawElements();
    void Rele_EnableElements();
    void Rele_RedrawImage();
    void Rele_SaveMode();
    void Rele_SaveDelay();
    void Rele_SaveZone();

    // The selected relay, 1..4, or 0 when no row is selected.
    int SelectedRelay() const;

    void load() override { Redraw_Rele(); }
    void store() override { UnLoad_Rele(); }
    void createLateControls() override { Create_Rele(); }
    std::optional<qint32> StoredTime(int relay) const override;

    // The row text of a relay: "Реле 1 (Сирена 1, 90 сек.)", "Реле 3 (SMS)".
    static QString RowText(const T_Command_DEVICE &model, int relay);

private:
    // The zone controls of one zone: the check box (several zones) and the radio button (one zone).
    struct ZonePair
    {
        QCheckBox *box = nullptr;
        QRadioButton *radio = nullptr;
    };

    void CreateControls(); // rele_layout.cpp
    QRadioButton *ButtonOf(RelayMode mode) const;
    QList<QRadioButton *> ZoneRadios() const;
    void ShowZonesOf(int relay);

    // Handlers.
    void L_Rele_RelesClick();
    void RB_ReleModeClick(bool checked);
    void E_Rele_DelayChange();
    void E_Rele_ZoneChange_C();
    void E_Rele_ZoneChange_R(int zone, bool checked);

    CaptionGroup *m_zoneGroup = nullptr;
    std::array<ZonePair, T_Command_DEVICE::ZoneCount> m_zones{};

    // What each relay held when the page was last drawn from the model (its zones also as the user
    // set them since). A mode's effect on the zones is worked out from it, as if the user had clicked
    // only the mode the relay has now: trying "Замок" and going on leaves the zones as they were.
    struct RelayOrigin
    {
        RelayMode mode = RelayMode::Sms;
        T_Command zones; // the relay's rz record
    };
    void RememberOrigins();
    void RememberZones(int relay);
    std::array<RelayOrigin, T_Command_DEVICE::RelayCount> m_origins{};
};

} // namespace orva
