// The controls of the page "Шлейфы" and their fixed layout: the loop list and the
// picture on the left, the group " Тип шлейфа " with the mode buttons, delay, alias and zone on the
// right, the alarm repeats below the picture.
#include "pages/shleifs_page.h"

#include "widgets/control_builders.h"

#include "device_model/device.h"
#include "device_model/mode_rows.h"
#include "device_model/page_choices.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QComboBox>
#include <QLabel>

namespace orva {
namespace {

constexpr int FieldLeft = 90;

} // namespace

void ShleifsPage::CreateControls()
{
    QWidget *page = tab();
    BuildList(u"L_Shleif_Shleifs", QStringLiteral("Список шлейфов"), T_Command_DEVICE::LoopCount, true);
    BuildPicture({QStringLiteral("I_Shleif_Image"), QStringLiteral("L_Shleif_Image1"),
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

    BuildModeGroup(u"GB_Shleif_Type", QStringLiteral(" Тип шлейфа "));
    m_group->setGeometry(452, 2, 320, 420);
    // One button per mode row, top to bottom; Unused (not in use) has none.
    for (const LoopModeRow &row : LoopModeRows()) {
        if (!row.button.isEmpty())
            AddModeButton(ToStored(row.mode), row.button, row.caption.toString());
    }

    // The up-down reaches down to 0, the command table's highest delay is its top.
    const int delayTop =
        BuildTimeField({u"E_Shleif_Delay", u"UD_Shleif_Delay", u"L_Shleif_Delay2", u"L_Shleif_Delay1"},
                       QStringLiteral("Задержка:"), FieldLeft, 0, MaxOf(Loop::Delay));

    const int nameTop = delayTop + 30;
    m_nameLabel =
        MakeLabel(m_group, u"L_Shleif_Name", QStringLiteral("Псевдоним:"), QRect(12, nameTop + 2, 76, 20));
    m_name = MakeField(m_group, u"E_Shleif_Name", InputRules::Alias, QRect(FieldLeft, nameTop, 120, 22));
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
