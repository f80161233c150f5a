#include "pages/mode_page.h"

#include "widgets/page_fields.h"
#include "widgets/up_down.h"

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"
#include "widgets/focus_binding.h"
#include "widgets/focus_colouring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QRadioButton>

namespace orva {
namespace {

constexpr int RowHeight = 21;
constexpr int SimFieldLeft = 400;

// The up-downs' own stepping ranges; the page does not take them from the command table, so a typed
// value beyond them stays for the page check to judge.
constexpr int ExitDelayMin = 1, ExitDelayMax = 180;
constexpr int SimDelayMin = 1, SimDelayMax = 120;
constexpr int AttemptsMin = 1, AttemptsMax = 20;

qint32 Ticked(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

ModePage::ModePage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Mode, tab)
{
    BuildSwitches();
    BuildSimGroup();
}

void ModePage::BuildSwitches()
{
    QWidget *page = tab();
    m_exitDelay = MakeField(page, QStringLiteral("E_Mode_ExitDelay"), KeyFilter::Digital, 3);
    m_exitDelay->setGeometry(236, 16, 40, RowHeight);
    m_exitDelayUpDown =
        MakeUpDown(page, QStringLiteral("UD_Mode_ExitDelay"), m_exitDelay, ExitDelayMin, ExitDelayMax);
    MakeLabel(page, QStringLiteral("L_Mode_ExitDelay1"), QStringLiteral("Задержка на выход (1..180):"),
              m_exitDelay, 16, 19);
    MakeLabel(page, QStringLiteral("L_Mode_ExitDelay2"), QStringLiteral(" сек."), m_exitDelay, 296, 19);

    m_lockNoGprs = MakeCheckBox(
        page, QStringLiteral("CB_Mode_LockNoGPRS"),
        QStringLiteral("Запрещена постановка на охрану при отсутсвии связи по каналу GPRS"), 16, 52);
    m_logEnable = MakeCheckBox(page, QStringLiteral("CB_Mode_LogEnable"),
                               QStringLiteral("Разрешено ведение LOG-файла работы прибора"), 16, 78);
    m_unlockMode = MakeCheckBox(
        page, QStringLiteral("CB_Mode_UnlockMode"),
        QStringLiteral("При снятии сначала выполняется сброс пожарных шлейфов и сирены"), 16, 104);
    m_enterEnable = MakeCheckBox(
        page, QStringLiteral("CB_Mode_EnterEnable"),
        QStringLiteral("Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой"), 16, 130);
    // Only the user's click sets the Tag; a program's tick or untick leaves it.
    connect(m_lockNoGprs, &QCheckBox::clicked, this, &ModePage::CB_Mode_LockNoGPRSClick);
}

void ModePage::BuildSimGroup()
{
    auto *group = new CaptionGroup(QStringLiteral("Режим выбора SIM-карты "), tab());
    group->setObjectName(QStringLiteral("GB_Mode_ModeSIM"));
    group->setGeometry(8, 166, 761, 150);

    m_symmetric = new QRadioButton(
        ChoiceTextOf(PageChoices::SimModes(), ToStored(SimMode::Symmetric)).toString(), group);
    m_symmetric->setObjectName(QStringLiteral("RB_Mode_SIMSymmetr"));
    m_symmetric->move(190, 22);
    m_symmetric->adjustSize();
    m_reserve =
        new QRadioButton(ChoiceTextOf(PageChoices::SimModes(), ToStored(SimMode::Reserve)).toString(), group);
    m_reserve->setObjectName(QStringLiteral("RB_Mode_SIMRezerv"));
    m_reserve->move(330, 22);
    m_reserve->adjustSize();
    m_modeSelectLabel = MakeLabel(group, QStringLiteral("L_Mode_SIMModeSelect"),
                                  QStringLiteral("Режим выбора SIM-карты:"), m_symmetric, 8, 25);

    m_simDelay = MakeField(group, QStringLiteral("E_Mode_SIMDelay"), KeyFilter::Digital, 3);
    m_simDelay->setGeometry(SimFieldLeft, 50, 40, RowHeight);
    m_simDelayUpDown =
        MakeUpDown(group, QStringLiteral("UD_Mode_SIMDelay"), m_simDelay, SimDelayMin, SimDelayMax);
    QLabel *delay1 =
        MakeLabel(group, QStringLiteral("L_Mode_SIMDelay_1"),
                  QStringLiteral("Задержка возврата на основную SIM-карту (1..120):"), m_simDelay, 8, 53);
    QLabel *delay2 = MakeLabel(group, QStringLiteral("L_Mode_SIMDelay_2"), QStringLiteral(" мин."),
                               m_simDelay, SimFieldLeft + 60, 53);

    m_attempts = MakeField(group, QStringLiteral("E_Mode_SIM_CountConect"), KeyFilter::Digital, 2);
    m_attempts->setGeometry(SimFieldLeft, 78, 40, RowHeight);
    m_attemptsUpDown =
        MakeUpDown(group, QStringLiteral("UD_Mode_SIM_CountConect"), m_attempts, AttemptsMin, AttemptsMax);
    MakeLabel(group, QStringLiteral("L_Mode_SIMCountConnect"),
              QStringLiteral("Число неудачных попыток связи перед переключением(1..20):"), m_attempts, 8, 81);

    m_master = new QComboBox(group);
    m_master->setObjectName(QStringLiteral("CB_Mode_SIM_Master"));
    m_master->addItems(ChoiceTextList(PageChoices::MasterSims()));
    m_master->setGeometry(SimFieldLeft, 106, 48, RowHeight);
    QLabel *master2 = MakeLabel(group, QStringLiteral("L_Mode_SIM_Master2"),
                                QStringLiteral("Основная SIM-карта :"), m_master, 8, 109);
    QLabel *master1 =
        MakeLabel(group, QStringLiteral("L_Mode_SIM_Master1"), QString(), m_master, SimFieldLeft + 52, 106);
    master1->resize(16, RowHeight);
    m_masterLabels = {master1, master2};

    m_reserveOnly = {delay1, delay2, m_simDelay, m_simDelayUpDown, master1, master2, m_master};

    // Entering a mode enables or disables the reserve-only controls; the label of the modes enters the
    // ticked one.
    m_symmetric->installEventFilter(this);
    m_reserve->installEventFilter(this);
    m_master->installEventFilter(this);
    for (QRadioButton *mode : {m_symmetric, m_reserve}) {
        connect(mode, &QRadioButton::toggled, this,
                [this] { m_modeSelectLabel->setBuddy(m_reserve->isChecked() ? m_reserve : m_symmetric); });
    }
}

bool ModePage::eventFilter(QObject *watched, QEvent *event)
{
    // The focus coming back with the window's activation is no entering.
    if (event->type() == QEvent::FocusIn &&
        !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason())) {
        if (watched == m_symmetric)
            RB_Mode_SIMSymmetrEnter();
        else if (watched == m_reserve)
            RB_Mode_SIMRezervEnter();
        else if (watched == m_master)
            CB_Mode_SIM_Master_Enter();
    } else if (event->type() == QEvent::FocusOut && watched == m_master &&
               !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason())) {
        CB_Mode_SIM_Master_Exit();
    }
    return EditorPage::eventFilter(watched, event);
}

void ModePage::EnableReserveControls(bool enabled)
{
    for (QWidget *control : std::as_const(m_reserveOnly))
        control->setEnabled(enabled);
}

void ModePage::RB_Mode_SIMSymmetrEnter()
{
    EnableReserveControls(false);
}

void ModePage::RB_Mode_SIMRezervEnter()
{
    EnableReserveControls(true);
}

void ModePage::CB_Mode_SIM_Master_Enter()
{
    for (QLabel *label : std::as_const(m_masterLabels))
        HighlightFocus(label, HighlightMode::Focused);
}

void ModePage::CB_Mode_SIM_Master_Exit()
{
    for (QLabel *label : std::as_const(m_masterLabels))
        HighlightFocus(label, HighlightMode::Unfocused);
}

void ModePage::CB_Mode_LockNoGPRSClick()
{
    m_lockNoGprsTag = m_lockNoGprs->isChecked() ? 1 : 0;
}

void ModePage::EnableLockNoGPRS(bool gprsOn)
{
    if (gprsOn) {
        m_lockNoGprs->setEnabled(true);
        if (m_lockNoGprsTag != 0)
            m_lockNoGprs->setChecked(true);
    } else {
        m_lockNoGprs->setChecked(false);
        m_lockNoGprs->setEnabled(false);
    }
}

void ModePage::Redraw_Mode()
{
    const T_Command_DEVICE &m = model();
    ShowNumber(m_attempts, m_attemptsUpDown, m.get(Sim::Attempts));

    const bool reserve = m.get(Sim::Mode) == SimMode::Reserve;
    (reserve ? m_reserve : m_symmetric)->setChecked(true);
    EnableReserveControls(reserve);
    ShowNumber(m_simDelay, m_simDelayUpDown, m.get(Sim::ReturnDelay));
    m_master->setCurrentIndex(m.get(Sim::Master));

    m_unlockMode->setChecked(m.get(Panel::DisarmReset) == 1);
    m_enterEnable->setChecked(m.get(Panel::EntryMessage) == 1);
    ShowNumber(m_exitDelay, m_exitDelayUpDown, m.get(Panel::ExitDelay));

    const qint32 lock = m.get(Panel::LockWithoutGprs);
    m_lockNoGprs->setChecked(lock == 1);
    m_lockNoGprsTag = lock;
    m_logEnable->setChecked(m.get(Panel::Log) == 1);
}

void ModePage::RedrawAfterDefault(bool)
{
    const bool gprsOff = !m_lockNoGprs->isEnabled();
    const int remembered = m_lockNoGprsTag;
    Redraw_Mode();
    if (gprsOff)
        m_lockNoGprsTag = remembered;
}

void ModePage::UnLoad_Mode()
{
    T_Command_DEVICE &m = model();
    m.set(Sim::Attempts, NumberOrZero(m_attempts));
    m.set(Sim::Mode, m_reserve->isChecked() ? SimMode::Reserve : SimMode::Symmetric);
    m.set(Sim::ReturnDelay, NumberOrZero(m_simDelay));
    m.set(Sim::Master, m_master->currentIndex());
    m.set(Panel::DisarmReset, Ticked(m_unlockMode));
    m.set(Panel::EntryMessage, Ticked(m_enterEnable));
    m.set(Panel::ExitDelay, NumberOrZero(m_exitDelay));
    m.set(Panel::LockWithoutGprs, Ticked(m_lockNoGprs));
    m.set(Panel::Log, Ticked(m_logEnable));
}

} // namespace orva
