#pragma once

#include "pages/editor_page.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace orva {

class FieldEdit;
class UpDown;

// The page "Режимы" (TabMode): exit delay, SIM selection and the mode switches. Its up-downs keep the
// page's own ranges (1..180, 1..120, 1..20) while the fields admit more digits: a typed 500
// stays 500 in the field and in the model, and the page check (in the save chain) judges it.
class ModePage : public EditorPage
{
    Q_OBJECT
public:
    ModePage(PageHost &host, QWidget *tab);

    void Redraw_Mode();
    void UnLoad_Mode();

    void load() override { Redraw_Mode(); }
    void store() override { UnLoad_Mode(); }
    // The redraw after a default keeps the remembered choice of "Запрещена постановка..." while GPRS
    // is off (the box is unticked then, and the store before the check wrote that as 0).
    void RedrawAfterDefault(bool isCurrentPage) override;

    // The GPRS switch (GPRS_EnableElements): with GPRS on, "Запрещена постановка..." is enabled and
    // ticked again when its Tag (the user's last choice) is not 0; with GPRS off it is unticked and
    // disabled while the Tag keeps the choice.
    void EnableLockNoGPRS(bool gprsOn);
    // The Tag of CB_Mode_LockNoGPRS: 1 when the user's last choice was "ticked".
    int LockNoGPRSTag() const { return m_lockNoGprsTag; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildSwitches();
    void BuildSimGroup();
    // Enables or disables the controls that only the reserve mode uses.
    void EnableReserveControls(bool enabled);
    void RB_Mode_SIMSymmetrEnter();
    void RB_Mode_SIMRezervEnter();
    void CB_Mode_LockNoGPRSClick();
    void CB_Mode_SIM_Master_Enter();
    void CB_Mode_SIM_Master_Exit();

    QCheckBox *m_lockNoGprs = nullptr;
    QRadioButton *m_symmetric = nullptr;
    QRadioButton *m_reserve = nullptr;
    QLabel *m_modeSelectLabel = nullptr;
    QComboBox *m_master = nullptr;
    QList<QLabel *> m_masterLabels;
    QList<QWidget *> m_reserveOnly;
    int m_lockNoGprsTag = 0;
};

} // namespace orva
