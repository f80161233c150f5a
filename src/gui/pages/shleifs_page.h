#pragma once

#include "pages/mode_list_page.h"

#include "device_model/device.h"
#include "device_model/modes.h"

#include <QList>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace orva {

class FieldEdit;

// The page "Шлейфы" (TabShleifs): the four alarm loops: use, type, delay, alias, and the alarm repeats.
// One loop is edited at a time, chosen in the list; every edit of a loop goes into the model at once,
// only the alarm repeats wait for UnLoad_Shleifs. No loop is selected until the user picks one.
class ShleifsPage : public ModeListPage
{
    Q_OBJECT
public:
    ShleifsPage(PageHost &host, QWidget *tab);
    ~ShleifsPage() override;

    void Redraw_Shleifs();
    void UnLoad_Shleifs();

    // The page steps.
    void Shleifs_RedrawRem(int loop); // row text and check box of one loop
    void Shleifs_RedrawElements();    // the controls of the selected loop
    void Shleifs_EnableElements();
    void Shleifs_RedrawImage();
    void Shleifs_SaveMode();
    void Shleifs_SaveDelay();
    void Shleifs_SaveName();
    void Shleifs_SaveZone();

    // The selected loop, 1..4, or 0 when no row is selected.
    int SelectedLoop() const;

    void load() override { Redraw_Shleifs(); }
    void store() override { UnLoad_Shleifs(); }
    std::optional<qint32> StoredTime(int loop) const override;

    // The row text of a loop: "Шлейф 1: \"Вход\"(охранный с задержкой 30 сек.)".
    static QString RowText(const T_Command_DEVICE &model, int loop);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls(); // shleifs_layout.cpp
    QRadioButton *ButtonOf(LoopMode mode) const;
    bool RowTicked(int loop) const;

    // Handlers.
    void L_Shleif_ShleifsClick();
    void L_Shleif_ShleifsClickCheck(QListWidgetItem *item);
    void L_Shleif_ShleifsDblClick();
    void RadioButton_ShleifModeClick(bool checked);
    void E_Shleif_DelayChange();
    void E_Shleif_NameChange();
    void E_Shleif_ZoneChange();

    FieldEdit *m_name = nullptr;
    QLabel *m_nameLabel = nullptr;
    QComboBox *m_zone = nullptr;
    QLabel *m_zoneLabel = nullptr;
    QComboBox *m_alarmRepeat = nullptr;
    QList<QLabel *> m_alarmRepeatLabels;

    // What each loop held when the page was last drawn from the model (its delay also as the user
    // typed it since). A mode's side effects on the zones and the delay are worked out from it, as if
    // the user had clicked only the mode the loop has now: trying modes, by arrows or clicks, and
    // coming back leaves no trace in what the user cannot see.
    struct LoopOrigin
    {
        LoopMode mode = LoopMode::Unused;
        qint32 delay = 0;
        T_Command_DEVICE::LoopZonePlaces zones{};
    };
    void RememberOrigins();
    std::array<LoopOrigin, T_Command_DEVICE::LoopCount> m_origins{};
};

} // namespace orva
