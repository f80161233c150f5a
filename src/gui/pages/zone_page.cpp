#include "pages/zone_page.h"

#include "device_model/device.h"
#include "widgets/caption_group.h"
#include "widgets/control_builders.h"
#include "widgets/focus_binding.h"
#include "widgets/focus_colouring.h"
#include "widgets/fonts.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>

namespace orva {
namespace {

constexpr int GridColumns = 4;
constexpr int ZoneStep = 40;
const char *const GridLabelProperty = "orvaZoneLabel";

QGroupBox *NarrowGroup(QWidget *parent, int left)
{
    auto *group = new QGroupBox(parent);
    group->setGeometry(left, 40, 29, 160);
    return group;
}

// An information panel: its lines of captions, and the picture with its fallback where it has one.
CaptionGroup *InfoPanel(QWidget *parent, const QString &name, const QRect &geometry,
                        const QStringList &captions, bool withPicture)
{
    auto *panel = new CaptionGroup(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    int top = 18;
    for (const QString &caption : captions) {
        MakeLabel(panel, {}, caption, QRect(8, top, 140, 18));
        top += 20;
    }
    if (withPicture) {
        auto *image = new QLabel(panel);
        image->setObjectName(QStringLiteral("I_Zone_ShleifImage_Image"));
        image->setGeometry(8, top + 4, 160, 120);
        image->setScaledContents(true);
        MakeLabel(panel, {}, QStringLiteral("Файл с изображением"), QRect(8, top + 50, 160, 18))->hide();
        MakeLabel(panel, {}, QStringLiteral("не найден"), QRect(8, top + 70, 160, 18))->hide();
    }
    return panel;
}

} // namespace

ZonePage::ZonePage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Zone, tab)
{
    CreateStaticContent();
}

void ZonePage::CreateStaticContent()
{
    QWidget *page = tab();
    // Column headers of the grid: loops, relays, keys and the external indicator.
    MakeLabel(page, {}, QStringLiteral("Шлейфы"), QRect(108, 4, 104, 16));
    MakeLabel(page, {}, QStringLiteral("Реле"), QRect(220, 4, 104, 16));
    MakeLabel(page, {}, QStringLiteral("Ключи"), QRect(332, 4, 390, 16));
    for (int n = 1; n <= GridColumns; ++n) {
        MakeLabel(page, {}, QString::number(n), QRect(116 + 26 * (n - 1), 22, 16, 16));
        MakeLabel(page, {}, QString::number(n), QRect(228 + 26 * (n - 1), 22, 16, 16));
    }
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key)
        MakeLabel(page, {}, QString::number(key), QRect(332 + 26 * (key - 1), 22, 20, 16));
    MakeLabel(page, {}, QStringLiteral("Инд"), QRect(728, 22, 30, 16));

    InfoPanel(page, QStringLiteral("GB_Zone_ShleifImage"), QRect(8, 210, 380, 230),
              {QStringLiteral("Раздел               :"), QStringLiteral("Шлейф              :"),
               QStringLiteral("Режим                :"), QStringLiteral("Псевдоним       :")},
              true);
    InfoPanel(page, QStringLiteral("GB_Zone_ReleImage"), QRect(396, 210, 380, 230), {}, false)->hide();
    InfoPanel(page, QStringLiteral("GB_Zone_KeyImage"), QRect(396, 210, 380, 230),
              {QStringLiteral("Описание         :")}, false)
        ->hide();
}

void ZonePage::Create_Zone()
{
    QWidget *page = tab();
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
        MakeLabel(page, {}, QStringLiteral("Раздел ") + QString::number(zone) + u':',
                  QRect(15, 50 + ZoneStep * (zone - 1), 100, 24))
            ->setFont(ArialPx(14, Bold));
    }
    for (int column = 0; column < GridColumns; ++column) {
        QGroupBox *group = NarrowGroup(page, 108 + 26 * column);
        for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
            const int top = 10 + ZoneStep * (zone - 1);
            // The label's click does nothing (L_Zone_Click): it has no field to enter.
            QLabel *label = MakeLabel(group, {}, QString(), QRect(2, top, 25, 25));
            auto *box = new QCheckBox(group);
            box->setGeometry(8, top, 13, 25);
            box->setProperty(GridLabelProperty, QVariant::fromValue(static_cast<QObject *>(label)));
            box->installEventFilter(this);
            m_gridBoxes.append(box);
        }
    }
    for (int column = 0; column < GridColumns; ++column)
        NarrowGroup(page, 220 + 26 * column);
}

void ZonePage::Redraw_Zone() {}

void ZonePage::UnLoad_Zone() {}

void ZonePage::BeforeShow()
{
    Redraw_Zone();
}

bool ZonePage::eventFilter(QObject *watched, QEvent *event)
{
    // RB_Zone_Exit: leaving a grid box gives its label its normal colour. (RB_Zone_Enter, recording the
    // box as the page's last focused control, is the window's binding.)
    if (event->type() == QEvent::FocusOut &&
        !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason())) {
        if (auto *label = qobject_cast<QLabel *>(watched->property(GridLabelProperty).value<QObject *>()))
            HighlightFocus(label, HighlightMode::Unfocused);
    }
    return false;
}

} // namespace orva
