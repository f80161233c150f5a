#pragma once

#include "pages/editor_page.h"

#include "device_model/device.h"

#include <QList>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orva {

class FieldEdit;
class PictureButton;
class UpDown;

// The page "GPRS" (TabGPRS): GPRS access, servers, periods, identifier and encryption key. It stores into
// the model in UnLoad_GPRS and in the "=" copy only; what it stores is the core's store form
// (StoredGprsIdentifier, StoredGprsKeyPart, StoredServerAddress), so an unchanged page stores exactly
// what ApplyStoreForm gives.
class GprsPage : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int ControlCount = 69;
    // The key that "Очистка ключа" puts into every key part.
    static inline const QString ClearedKeyPart = QStringLiteral("3C-3C-3C-3C-3C-3C-3C-3C");

    GprsPage(PageHost &host, QWidget *tab);

    // Fills the list of the page's controls that the GPRS switch enables (the window runs it once,
    // when it is created).
    void Create_GPRS();
    void Redraw_GPRS();
    void UnLoad_GPRS();

    void load() override { Redraw_GPRS(); }
    void store() override { UnLoad_GPRS(); }
    void createLateControls() override { Create_GPRS(); }
    void RedrawAfterDefault(bool isCurrentPage) override;
    void AddDefaultOptions(DefaultOptions &options) const override;

    // The three servers of SIM s (1, 2): edits from / to `gs` entries 3(s-1)+1 .. 3(s-1)+3.
    void Redraw_Server(int sim);
    void Unload_Server(int sim);
    // Enabling by the GPRS switch; it also drives "Запрещена постановка..." on the page "Режимы".
    void GPRS_EnableElements();
    // Enabling of the SIM 2 servers and copying of SIM 1's servers by the "=" switch.
    void GPRS_EqualElements();

    // The list Create_GPRS filled, in its order (entries 1..69 are items 0..68).
    const QList<QWidget *> &Controls() const { return m_controls; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // The GPRS switch shows on or off (the user ticked it, or the page redrew).
    void GprsSwitched(bool on);

private:
    // Layout (gprs_layout.cpp).
    void BuildSwitch();
    void BuildIdent();
    void BuildSim(int sim);
    void BuildParam();
    void BuildServers(int sim);
    void BuildEqual();

    // Handlers.
    void CB_GPRS_ActiveClick();
    void CB_GPRS_EqualClick();
    void Event_ChangeServer();
    void Event_ChangePort();
    void B_GPRS_KeyGenerateClick();
    void B_GPRS_KeyClearClick();
    void E_ZR2_IdentExit();
    void E_ZR2_KeyExit(QLineEdit *part);
    void E_GPRS_ServerExit(QLineEdit *server);
    void NormaliseServerField(QLineEdit *server);
    // What leaving each grouped field does, for all of them: the page stores what they then show.
    void NormaliseGroupedFields();

    // The controls by name, for the control list.
    QWidget *Named(const QString &name) const;

    QCheckBox *m_active = nullptr;
    QLabel *m_activeLabel = nullptr;
    FieldEdit *m_ident = nullptr;
    std::array<FieldEdit *, T_Command_DEVICE::GprsKeyPartCount> m_keys{};
    PictureButton *m_generate = nullptr;
    PictureButton *m_clear = nullptr;
    std::array<FieldEdit *, T_Command_DEVICE::ServerCount> m_servers{};
    std::array<FieldEdit *, T_Command_DEVICE::ServerCount> m_ports{};
    QCheckBox *m_equal = nullptr;
    QList<QLabel *> m_equalLabels;
    QList<QWidget *> m_controls;
    // The Tags of the two switches: 1 while a redraw sets them, so their click handlers do nothing.
    int m_activeTag = 0;
    int m_equalTag = 0;
};

} // namespace orva
