// The controls of the page "Шлейфы" and their fixed layout: the loop list and the
// picture on the left, the group " Тип шлейфа " with the mode buttons, delay, alias and zone on the
// right, the alarm repeats below the picture.
#include "pages/shleifs_page.h"

#include "widgets/control_builders.h"
#include "widgets/mode_picture.h"
#include "widgets/up_down.h"

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace orva {
namespace {

struct ModeRow
{
    qint32 mode;
    const char16_t *name;
};

// The mode buttons of " Тип шлейфа ", top to bottom, with the captions of `PageChoices::LoopModes`.
// Modes 7 and 0 (not used) and 13 have none.
const ModeRow ModeRows[] = {
    {1, u"RB_Shleif_GuardDelay"}, {2, u"RB_Shleif_Guard"},         {3, u"RB_Shleif_GuardDrop"},
    {4, u"RB_Shleif_GuardWalk"},  {5, u"RB_Shleif_GuardWalkDrop"}, {6, u"RB_Shleif_GuardKTS"},
    {8, u"RB_Shleif_Fire1"},      {9, u"RB_Shleif_Fire2"},         {10, u"RB_Shleif_Fire3"},
    {11, u"RB_Shleif_Fire4"},     {12, u"RB_Shleif_Fire5"},        {14, u"RB_Shleif_Patrol"},
    {15, u"RB_Shleif_Rule"},      {16, u"RB_Shleif_Fixed"},
};

constexpr int ButtonTop = 22;
constexpr int ButtonStep = 21;
constexpr int FieldLeft = 90;

} // namespace

void ShleifsPage::CreateControls()
{
    QWidget *page = tab();

    m_list = new QListWidget(page);
    m_list->setObjectName(QStringLiteral("L_Shleif_Shleifs"));
    m_list->setAccessibleName(QStringLiteral("Список шлейфов"));
    m_list->setGeometry(8, 8, 436, 88);
    for (int loop = 1; loop <= T_Command_DEVICE::LoopCount; ++loop) {
        auto *item = new QListWidgetItem(m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    m_picture = std::make_unique<ModePicture>(
        page, QRect(46, 102, 360, 270),
        ModePicture::Names{QStringLiteral("I_Shleif_Image"), QStringLiteral("L_Shleif_Image1"),
                           QStringLiteral("L_Shleif_ImageFileName"), QStringLiteral("L_Shleif_Image2")});

    m_alarmRepeatLabels << MakeLabel(page, u"L_Shleif_AlarmRepeat2",
                                     QStringLiteral("  Число повторов тревог по каждому шлейфу:"),
                                     QRect(8, 392, 300, 21));
    m_alarmRepeat = new QComboBox(page);
    m_alarmRepeat->setObjectName(QStringLiteral("CB_Shleif_AlarmRepeat"));
    m_alarmRepeat->setGeometry(312, 390, 60, 22);
    m_alarmRepeat->addItems(ChoiceTextList(PageChoices::AlarmRepeats()));
    m_alarmRepeatLabels << MakeLabel(page, u"L_Shleif_AlarmRepeat1", QString(), QRect(376, 392, 8, 21));
    m_alarmRepeatLabels[0]->setBuddy(m_alarmRepeat);
    m_alarmRepeatLabels[1]->setBuddy(m_alarmRepeat);

    m_group = new CaptionGroup(QStringLiteral(" Тип шлейфа "), page);
    m_group->setObjectName(QStringLiteral("GB_Shleif_Type"));
    m_group->setGeometry(452, 2, 320, 420);
    int top = ButtonTop;
    for (const ModeRow &row : ModeRows) {
        auto *button = new QRadioButton(ChoiceTextOf(PageChoices::LoopModes(), row.mode).toString(), m_group);
        button->setObjectName(QString::fromUtf16(row.name));
        button->setGeometry(12, top, 300, 20);
        m_modes.append(ModeButton{row.mode, button});
        top += ButtonStep;
    }

    const int delayTop = top + 12;
    m_delayLabel =
        MakeLabel(m_group, u"L_Shleif_Delay2", QStringLiteral("Задержка:"), QRect(12, delayTop + 2, 76, 20));
    m_delay = new FieldEdit(m_group);
    m_delay->setObjectName(QStringLiteral("E_Shleif_Delay"));
    m_delay->setGeometry(FieldLeft, delayTop, 40, 22);
    m_delay->setKeyFilter(KeyFilter::Digital);
    m_delay->setTypingLimit(3);
    m_delayUpDown = new UpDown(m_group);
    m_delayUpDown->setObjectName(QStringLiteral("UD_Shleif_Delay"));
    m_delayUpDown->setGeometry(FieldLeft + 40, delayTop, 17, 22);
    m_delayUpDown->setAssociate(m_delay);
    // The up-down reaches down to 0, the command table's highest delay is its top.
    m_delayUpDown->setRange(0, CommandRowOf(Cmd::lm).max2);
    m_delayUnit = MakeLabel(m_group, u"L_Shleif_Delay1", QStringLiteral(" сек."),
                            QRect(FieldLeft + 60, delayTop + 2, 40, 20));
    m_delayLabel->setBuddy(m_delay);
    m_delayUnit->setBuddy(m_delay);

    const int nameTop = delayTop + 30;
    m_nameLabel =
        MakeLabel(m_group, u"L_Shleif_Name", QStringLiteral("Псевдоним:"), QRect(12, nameTop + 2, 76, 20));
    m_name = new FieldEdit(m_group);
    m_name->setObjectName(QStringLiteral("E_Shleif_Name"));
    m_name->setGeometry(FieldLeft, nameTop, 120, 22);
    m_name->setKeyFilter(KeyFilter::Text);
    m_name->setTypingLimit(10);
    m_nameLabel->setBuddy(m_name);

    // Zones are switched off in the editor: the window hides the box and its label for good.
    const int zoneTop = nameTop + 30;
    m_zoneLabel =
        MakeLabel(m_group, u"L_Shleif_Zone1", QStringLiteral("Привязка:"), QRect(12, zoneTop + 2, 76, 20));
    m_zone = new QComboBox(m_group);
    m_zone->setObjectName(QStringLiteral("CB_Shleif_Zone"));
    m_zone->setGeometry(FieldLeft, zoneTop, 120, 22);
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone)
        m_zone->addItem(QStringLiteral("раздел %1").arg(zone));
    m_zoneLabel->setBuddy(m_zone);
}

} // namespace orva
