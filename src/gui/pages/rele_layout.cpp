// The controls of the page "Реле" and their fixed layout: the relay list and the picture
// on the left with the two activation boxes below, the group "Режим работы реле" with the mode buttons
// and the on-time on the right, and under it the (hidden) zone group.
#include "pages/rele_page.h"

#include "pages/rele_modes.h"
#include "widgets/control_builders.h"
#include "widgets/mode_picture.h"
#include "widgets/up_down.h"

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace orva {
namespace {

constexpr int ButtonTop = 22;
constexpr int ButtonStep = 21;
constexpr int ZoneColumn = 75;

} // namespace

QString ReleModeCaption(qint32 mode)
{
    return ChoiceTextOf(PageChoices::RelayModes(), mode).toString();
}

void RelePage::CreateControls()
{
    QWidget *page = tab();

    m_list = new QListWidget(page);
    m_list->setObjectName(QStringLiteral("L_Rele_Reles"));
    m_list->setAccessibleName(QStringLiteral("Список реле"));
    m_list->setGeometry(8, 8, 436, 88);
    for (int relay = 1; relay <= T_Command_DEVICE::RelayCount; ++relay)
        new QListWidgetItem(m_list);

    m_picture = std::make_unique<ModePicture>(
        page, QRect(46, 102, 360, 270),
        ModePicture::Names{QStringLiteral("ImageRele"), QStringLiteral("LabelReleImage1"),
                           QStringLiteral("LabelReleImageFileName"), QStringLiteral("LabelReleImage2")});

    m_activeKts = new QCheckBox(QStringLiteral("Активация реле при нарушении шлейфа КТС"), page);
    m_activeKts->setObjectName(QStringLiteral("CB_Rele_ActiveKTS"));
    m_activeKts->setGeometry(8, 384, 436, 20);
    m_activeTamper = new QCheckBox(QStringLiteral("Активация реле при нарушении тампера"), page);
    m_activeTamper->setObjectName(QStringLiteral("CB_Rele_ActiveTamper"));
    m_activeTamper->setGeometry(8, 408, 436, 20);

    m_group = new CaptionGroup(QStringLiteral("Режим работы реле"), page);
    m_group->setObjectName(QStringLiteral("GroupBoxReleMode"));
    int top = ButtonTop;
    for (const ReleModeRow &row : ReleModeRows) {
        auto *button = new QRadioButton(ReleModeCaption(row.mode), m_group);
        button->setObjectName(QString::fromUtf16(row.name));
        button->setGeometry(12, top, 300, 20);
        m_modes.append(ModeButton{row.mode, button});
        top += ButtonStep;
    }
    const int delayTop = top + 12;
    m_delayLabels << MakeLabel(m_group, u"L_Rele_Delay1", QStringLiteral("Время работы реле:"),
                               QRect(12, delayTop + 2, 120, 20));
    m_delay = new FieldEdit(m_group);
    m_delay->setObjectName(QStringLiteral("E_Rele_Delay"));
    m_delay->setGeometry(134, delayTop, 40, 22);
    m_delay->setKeyFilter(KeyFilter::Digital);
    m_delay->setTypingLimit(3);
    m_delayUpDown = new UpDown(m_group);
    m_delayUpDown->setObjectName(QStringLiteral("UD_Rele_Delay"));
    m_delayUpDown->setGeometry(174, delayTop, 17, 22);
    m_delayUpDown->setAssociate(m_delay);
    m_delayUpDown->setRange(CommandRowOf(Cmd::rm).min2, CommandRowOf(Cmd::rm).max2);
    m_delayLabels << MakeLabel(m_group, u"L_Rele_Delay2", QStringLiteral(" сек."),
                               QRect(194, delayTop + 2, 40, 20));
    for (QLabel *label : std::as_const(m_delayLabels))
        label->setBuddy(m_delay);
    m_group->setGeometry(452, 2, 320, delayTop + 36);

    // Zones are switched off in the editor: the window hides this group for good.
    m_zoneGroup = new CaptionGroup(QStringLiteral("Привязка к разделам:"), page);
    m_zoneGroup->setObjectName(QStringLiteral("GB_Rele_Zone"));
    m_zoneGroup->setGeometry(452, delayTop + 46, 320, 80);
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
        const int left = 12 + ZoneColumn * (zone - 1);
        auto *box = new QCheckBox(QStringLiteral("раздел %1 ").arg(zone), m_zoneGroup);
        box->setObjectName(QStringLiteral("CB_Rele_Zone%1").arg(zone));
        box->setGeometry(left, 22, ZoneColumn - 4, 20);
        auto *radio = new QRadioButton(QStringLiteral("раздел %1").arg(zone), m_zoneGroup);
        radio->setObjectName(QStringLiteral("RB_Rele_Zone%1").arg(zone));
        radio->setGeometry(left, 48, ZoneColumn - 4, 20);
    }
}

} // namespace orva
