#include "pages/indic_page.h"

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
#include <QMouseEvent>
#include <QSlider>

namespace orva {
namespace {

constexpr int RowHeight = 21;
constexpr int FieldLeft = 360;
// The up-downs' own stepping ranges.
constexpr int DutyDelayMin = 1, DutyDelayMax = 48;
constexpr int ExtIndicMin = 1, ExtIndicMax = 999;
constexpr int VolumeMin = 0, VolumeMax = 4;

QLabel *BlankLabel(QWidget *parent, const QString &name, QWidget *box)
{
    return MakeLabel(parent, name, QString(), QRect(box->geometry().right() + 2, box->y() - 2, 80, RowHeight),
                     box);
}

} // namespace

IndicPage::IndicPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Indic, tab)
{
    BuildDutyGroup();
    BuildSignalGroup();
    BindFields();
}

void IndicPage::BuildDutyGroup()
{
    CaptionGroup *group = MakeGroup(tab(), u"GB_Indic_DutyMode",
                                    QStringLiteral("Параметры формирования сообщения \"Дежурный режим\" "),
                                    QRect(8, 8, 761, 90));

    m_dutyActive = MakeCheck(group, QStringLiteral("CB_Indic_DutyActive"), QString(), QPoint(FieldLeft, 24));
    MakeLabel(group, QStringLiteral("L_Indic_DutyActive_1"),
              QStringLiteral("Функция формирования сообщения активна                 :"), QPoint(8, 25),
              m_dutyActive);
    m_dutyActiveBlank = BlankLabel(group, QStringLiteral("L_Indic_DutyActive_2"), m_dutyActive);

    const NumberField dutyDelay = MakeNumberField(
        group,
        {.name = u"E_Indic_DutyDelay",
         .upDownName = u"UD_Indic_DutyDelay",
         .rule = InputRules::DutyPeriod,
         .geometry = QRect(FieldLeft, 54, 40, RowHeight),
         .minimum = DutyDelayMin,
         .maximum = DutyDelayMax,
         .caption = {u"L_Indic_DutyDelay_1",
                     QStringLiteral("Периодичность формирования сообщений (1-48)        :"), QPoint(8, 57)},
         .unit = {u"L_Indic_DutyDelay_2", QStringLiteral(" часов"), QPoint(FieldLeft + 60, 57)}});
    m_dutyDelay = dutyDelay.edit;
    m_dutyDelayUpDown = dutyDelay.upDown;
    m_dutyPeriod = {m_dutyDelay, m_dutyDelayUpDown, dutyDelay.caption, dutyDelay.unit};

    // The box is ticked or unticked by the user or by a redraw; either way the period follows it.
    connect(m_dutyActive, &QCheckBox::toggled, this, &IndicPage::CB_Indic_DutyActiveClick);
    m_dutyActive->installEventFilter(this);
    m_dutyActiveBlank->installEventFilter(this);
}

void IndicPage::BuildSignalGroup()
{
    CaptionGroup *group = MakeGroup(tab(), u"GB_Indic_SignalAndInd",
                                    QStringLiteral("Индикация и сигнализация "), QRect(8, 106, 761, 160));

    const NumberField extIndic = MakeNumberField(
        group, {.name = u"E_Indic_ExtIndic",
                .upDownName = u"UD_Indic_ExtIndic",
                .rule = InputRules::IndicatorTime,
                .geometry = QRect(FieldLeft, 22, 40, RowHeight),
                .minimum = ExtIndicMin,
                .maximum = ExtIndicMax,
                .caption = {u"L_Indic_ExtIndic_1",
                            QStringLiteral("Время работы выносного индикатора  (1..999 )"), QPoint(8, 25)},
                .unit = {u"L_Indic_ExtIndic_3", QStringLiteral(" секунд"), QPoint(FieldLeft + 60, 25)}});
    MakeLabel(group, QStringLiteral("L_Indic_ExtIndic_2"), QStringLiteral(":"), QPoint(FieldLeft - 16, 25),
              extIndic.edit);

    m_volume = new QSlider(Qt::Horizontal, group);
    m_volume->setObjectName(QStringLiteral("TB_Indic_IntZummer"));
    m_volume->setRange(VolumeMin, VolumeMax);
    m_volume->setPageStep(1);
    m_volume->setTickPosition(QSlider::TicksBelow);
    m_volume->setTickInterval(1);
    m_volume->setFocusPolicy(Qt::StrongFocus);
    m_volume->setGeometry(FieldLeft - 4, 50, 150, 30);
    MakeLabel(group, QStringLiteral("L_Indic_IntZummer_1"),
              QStringLiteral("Уровень громкости встроенного зуммера (0..4)"), QPoint(8, 58), m_volume);
    MakeLabel(group, QStringLiteral("L_Indic_IntZummer_2"), QStringLiteral(":"), QPoint(FieldLeft - 16, 58),
              m_volume);
    m_volumeLabel = MakeLabel(group, QStringLiteral("L_Indic_IntZummer_3"), QStringLiteral(" (0)"),
                              QPoint(FieldLeft + 152, 58), m_volume);
    m_volumeLabel->resize(40, m_volumeLabel->height());
    connect(m_volume, &QSlider::valueChanged, this, &IndicPage::TB_Indic_IntZummerChange);

    m_extBuzzer = MakeCheck(group, QStringLiteral("CB_Indic_ExtZumm"), QString(), QPoint(FieldLeft, 92));
    MakeLabel(group, QStringLiteral("L_Indic_ExtZummerActive_1"), QStringLiteral("Внешний зуммер включен"),
              QPoint(8, 93), m_extBuzzer);
    MakeLabel(group, QStringLiteral("L_Indic_ExtZummerActive_2"), QStringLiteral(":"),
              QPoint(FieldLeft - 16, 93), m_extBuzzer);
    m_extBuzzerBlank = BlankLabel(group, QStringLiteral("L_Indic_ExtZummerActive_3"), m_extBuzzer);
    m_extBuzzer->installEventFilter(this);
    m_extBuzzerBlank->installEventFilter(this);

    // The zone of the remote indicator; the window hides the box and its labels for good.
    m_zone = new QComboBox(group);
    m_zone->setObjectName(QStringLiteral("CB_Indic_Zone"));
    m_zone->addItems(ChoiceTextList(PageChoices::IndicatorZones()));
    m_zone->setGeometry(FieldLeft, 122, 120, RowHeight);
    MakeLabel(group, QStringLiteral("L_Indic_Zone1"),
              QStringLiteral("Привязка выносного индикатора к разделам"), QPoint(8, 125), m_zone);
    MakeLabel(group, QStringLiteral("L_Indic_Zone3"), QStringLiteral(":"), QPoint(FieldLeft - 16, 125),
              m_zone);
    connect(m_zone, &QComboBox::currentIndexChanged, this, &IndicPage::E_Indic_ZoneChange);
}

bool IndicPage::eventFilter(QObject *watched, QEvent *event)
{
    const bool dutyBox = watched == m_dutyActive;
    if (dutyBox || watched == m_extBuzzer) {
        // CB_Indic_DutyActiveEnter/Exit, CB_Indic_ExtZummEnter/Exit: the blank label beside the box is
        // coloured with it.
        QLabel *blank = dutyBox ? m_dutyActiveBlank : m_extBuzzerBlank;
        if (event->type() == QEvent::FocusIn)
            HighlightFocus(blank, HighlightMode::Focused);
        else if (event->type() == QEvent::FocusOut &&
                 !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason()))
            HighlightFocus(blank, HighlightMode::Unfocused);
    } else if ((watched == m_dutyActiveBlank || watched == m_extBuzzerBlank) &&
               event->type() == QEvent::MouseButtonRelease) {
        // L_Indic_DutyActive_2Click, L_Indic_ExtZummerActive_3Click: a click on the blank label toggles
        // its box (the window's label click gives the box the focus).
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = static_cast<QLabel *>(watched);
        QCheckBox *box = watched == m_dutyActiveBlank ? m_dutyActive : m_extBuzzer;
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()) &&
            box->isEnabled())
            box->click();
    }
    return EditorPage::eventFilter(watched, event);
}

void IndicPage::EnableDutyPeriod(bool enabled)
{
    for (QWidget *control : std::as_const(m_dutyPeriod))
        control->setEnabled(enabled);
}

void IndicPage::CB_Indic_DutyActiveClick()
{
    EnableDutyPeriod(m_dutyActive->isChecked());
}

void IndicPage::TB_Indic_IntZummerChange()
{
    m_volumeLabel->setText(QStringLiteral(" (%1)").arg(m_volume->value()));
}

void IndicPage::E_Indic_ZoneChange()
{
    model().set(Indication::IndicatorZone, m_zone->currentIndex());
}

void IndicPage::Redraw_Indic()
{
    ShowBoundFields();
    const qint32 period = model().get(Indication::DutyPeriod);
    m_dutyActive->setChecked(period > 0);
    EnableDutyPeriod(period > 0);
    // Switched off: the period shows the default the box brings back when it is ticked.
    if (period <= 0)
        ShowNumber(m_dutyDelay, m_dutyDelayUpDown, DefaultOf(Indication::DutyPeriod));
    // The label follows the bar even when the position did not change.
    TB_Indic_IntZummerChange();
}

void IndicPage::UnLoad_Indic()
{
    StoreBoundFields();
    if (!m_dutyActive->isChecked())
        model().set(Indication::DutyPeriod, 0);
}

} // namespace orva
