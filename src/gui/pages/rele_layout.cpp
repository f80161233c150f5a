// The controls of the page "Реле" and their fixed layout: the relay list and the picture
// on the left with the two activation boxes below, the group "Режим работы реле" with the mode buttons
// and the on-time on the right, and under it the (hidden) zone group.
#include "pages/rele_page.h"

#include "widgets/control_builders.h"

#include "device_model/device.h"
#include "device_model/mode_rows.h"
#include "widgets/caption_group.h"

#include <QCheckBox>
#include <QRadioButton>

namespace orva {
namespace {

constexpr int ZoneColumn = 75;

} // namespace

void RelePage::CreateControls()
{
    QWidget *page = tab();
    BuildList(u"L_Rele_Reles", QStringLiteral("Список реле"), T_Command_DEVICE::RelayCount, false);
    BuildPicture({QStringLiteral("ImageRele"), QStringLiteral("LabelReleImage1"),
                  QStringLiteral("LabelReleImageFileName"), QStringLiteral("LabelReleImage2")});

    MakeCheck(page, u"CB_Rele_ActiveKTS", QStringLiteral("Активация реле при нарушении шлейфа КТС"),
              QRect(8, 384, 436, 20));
    MakeCheck(page, u"CB_Rele_ActiveTamper", QStringLiteral("Активация реле при нарушении тампера"),
              QRect(8, 408, 436, 20));

    BuildModeGroup(u"GroupBoxReleMode", QStringLiteral("Режим работы реле"));
    for (const RelayModeRow &row : RelayModeRows())
        AddModeButton(ToStored(row.mode), row.button, row.caption.toString());
    const int delayTop =
        BuildTimeField({u"E_Rele_Delay", u"UD_Rele_Delay", u"L_Rele_Delay1", u"L_Rele_Delay2"},
                       QStringLiteral("Время работы реле:"), 134, MinOf(Relay::Time), MaxOf(Relay::Time));
    m_group->setGeometry(452, 2, 320, delayTop + 36);

    // Zones are switched off in the editor: the window hides this group for good.
    m_zoneGroup = MakeGroup(page, u"GB_Rele_Zone", QStringLiteral("Привязка к разделам:"),
                            QRect(452, delayTop + 46, 320, 80));
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
        const int left = 12 + ZoneColumn * (zone - 1);
        MakeCheck(m_zoneGroup, QStringLiteral("CB_Rele_Zone%1").arg(zone),
                  QStringLiteral("раздел %1 ").arg(zone), QRect(left, 22, ZoneColumn - 4, 20));
        MakeRadio(m_zoneGroup, QStringLiteral("RB_Rele_Zone%1").arg(zone),
                  QStringLiteral("раздел %1").arg(zone), QRect(left, 48, ZoneColumn - 4, 20));
    }
}

} // namespace orva
