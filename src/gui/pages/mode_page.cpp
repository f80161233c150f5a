#include "pages/mode_page.h"

#include "widgets/control_builders.h"
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

} // namespace

ModePage::ModePage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Mode, tab)
{
    BuildSwitches();
    BuildSimGroup();
    BindFields();
}

void ModePage::BuildSwitches()
{
    QWidget *page = tab();
    MakeNumberField(page, {.name = u"E_Mode_ExitDelay",
                           .upDownName = u"UD_Mode_ExitDelay",
                           .rule = InputRules::ExitDelay,
                           .geometry = QRect(236, 16, 40, RowHeight),
                           .minimum = ExitDelayMin,
                           .maximum = ExitDelayMax,
                           .caption = {u"L_Mode_ExitDelay1", QStringLiteral("Задержка на выход (1..180):"),
                                       QPoint(16, 19)},
                           .unit = {u"L_Mode_ExitDelay2", QStringLiteral(" сек."), QPoint(296, 19)}});

    m_lockNoGprs = MakeCheck(
        page, QStringLiteral("CB_Mode_LockNoGPRS"),
        QStringLiteral("Запрещена постановка на охрану при отсутсвии связи по каналу GPRS"), QPoint(16, 52));
    MakeCheck(page, QStringLiteral("CB_Mode_LogEnable"),
              QStringLiteral("Разрешено ведение LOG-файла работы прибора"), QPoint(16, 78));
    MakeCheck(page, QStringLiteral("CB_Mode_UnlockMode"),
              QStringLiteral("При снятии сначала выполняется сброс пожарных шлейфов и сирены"),
              QPoint(16, 104));
    MakeCheck(page, QStringLiteral("CB_Mode_EnterEnable"),
              QStringLiteral("Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой"),
              QPoint(16, 130));
    // Only the user's click sets the Tag; a program's tick or untick leaves it.
    connect(m_lockNoGprs, &QCheckBox::clicked, this, &ModePage::CB_Mode_LockNoGPRSClick);
}

void ModePage::BuildSimGroup()
{
    CaptionGroup *group = MakeGroup(tab(), u"GB_Mode_ModeSIM", QStringLiteral("Режим выбора SIM-карты "),
                                    QRect(8, 166, 761, 150));

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
                                  QStringLiteral("Режим выбора SIM-карты:"), QPoint(8, 25), m_symmetric);
    // Each choice says which it is; the label's text alone (its buddy's name) named both alike.
    for (QRadioButton *choice : {m_symmetric, m_reserve})
        choice->setAccessibleName(QStringLiteral("Режим выбора SIM-карты: ") + choice->text());

    const NumberField simDelay = MakeNumberField(
        group,
        {.name = u"E_Mode_SIMDelay",
         .upDownName = u"UD_Mode_SIMDelay",
         .rule = InputRules::SimReturnDelay,
         .geometry = QRect(SimFieldLeft, 50, 40, RowHeight),
         .minimum = SimDelayMin,
         .maximum = SimDelayMax,
         .caption = {u"L_Mode_SIMDelay_1",
                     QStringLiteral("Задержка возврата на основную SIM-карту (1..120):"), QPoint(8, 53)},
         .unit = {u"L_Mode_SIMDelay_2", QStringLiteral(" мин."), QPoint(SimFieldLeft + 60, 53)}});

    MakeNumberField(group,
                    {.name = u"E_Mode_SIM_CountConect",
                     .upDownName = u"UD_Mode_SIM_CountConect",
                     .rule = InputRules::SimAttempts,
                     .geometry = QRect(SimFieldLeft, 78, 40, RowHeight),
                     .minimum = AttemptsMin,
                     .maximum = AttemptsMax,
                     .caption = {u"L_Mode_SIMCountConnect",
                                 QStringLiteral("Число неудачных попыток связи перед переключением(1..20):"),
                                 QPoint(8, 81)}});

    m_master = new QComboBox(group);
    m_master->setObjectName(QStringLiteral("CB_Mode_SIM_Master"));
    m_master->addItems(ChoiceTextList(PageChoices::MasterSims()));
    m_master->setGeometry(SimFieldLeft, 106, 48, RowHeight);
    QLabel *master2 = MakeLabel(group, QStringLiteral("L_Mode_SIM_Master2"),
                                QStringLiteral("Основная SIM-карта :"), QPoint(8, 109), m_master);
    QLabel *master1 = MakeLabel(group, QStringLiteral("L_Mode_SIM_Master1"), QString(),
                                QRect(SimFieldLeft + 52, 106, 16, RowHeight), m_master);
    m_masterLabels = {master1, master2};

    m_reserveOnly = {simDelay.caption, simDelay.unit, simDelay.edit, simDelay.upDown,
                     master1,          master2,       m_master};

    // Entering a mode enables or disables the reserve-only controls; the label of the modes enters the
    // ticked one.
    m_symmetric->installEventFilter(this);
    m_reserve->installEventFilter(this);
    m_master->installEventFilter(this);
    // A mode ticked without entering it (a screen reader's toggle action) enables or disables them too.
    for (QRadioButton *mode : {m_symmetric, m_reserve}) {
        connect(mode, &QRadioButton::toggled, this, [this] {
            m_modeSelectLabel->setBuddy(m_reserve->isChecked() ? m_reserve : m_symmetric);
            EnableReserveControls(m_reserve->isChecked());
        });
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
    ShowBoundFields();
    const bool reserve = model().get(Sim::Mode) == SimMode::Reserve;
    (reserve ? m_reserve : m_symmetric)->setChecked(true);
    EnableReserveControls(reserve);
    m_lockNoGprsTag = model().get(Panel::LockWithoutGprs);
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
    StoreBoundFields();
    model().set(Sim::Mode, m_reserve->isChecked() ? SimMode::Reserve : SimMode::Symmetric);
}

} // namespace orva
