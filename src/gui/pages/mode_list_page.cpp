#include "pages/mode_list_page.h"

#include "widgets/caption_group.h"
#include "widgets/control_builders.h"
#include "widgets/field_edit.h"
#include "widgets/up_down.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace orva {
namespace {

const QRect ListGeometry(8, 8, 436, 88);
const QRect PictureArea(46, 102, 360, 270);
constexpr int ButtonLeft = 12;
constexpr int ButtonTop = 22;
constexpr int ButtonStep = 21;
constexpr int ButtonWidth = 300;
constexpr int ButtonHeight = 20;
constexpr int TimeGap = 12; // between the last mode button and the time field

} // namespace

ModeListPage::ModeListPage(PageHost &host, PageSlot slot, QWidget *tab) : EditorPage(host, slot, tab) {}

ModeListPage::~ModeListPage() = default;

void ModeListPage::BuildList(QAnyStringView name, const QString &accessibleName, int rows, bool checkable)
{
    m_list = new QListWidget(tab());
    m_list->setObjectName(name);
    m_list->setAccessibleName(accessibleName);
    m_list->setGeometry(ListGeometry);
    for (int row = 0; row < rows; ++row) {
        auto *item = new QListWidgetItem(m_list);
        if (checkable) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
}

void ModeListPage::BuildPicture(const ModePicture::Names &names)
{
    m_picture = std::make_unique<ModePicture>(tab(), PictureArea, names);
}

void ModeListPage::BuildModeGroup(QAnyStringView name, const QString &title)
{
    m_group = new CaptionGroup(title, tab());
    m_group->setObjectName(name);
}

void ModeListPage::AddModeButton(qint32 mode, QAnyStringView name, const QString &caption)
{
    const int top = ButtonTop + ButtonStep * int(m_modes.size());
    QRadioButton *button =
        MakeRadio(m_group, name, caption, QRect(ButtonLeft, top, ButtonWidth, ButtonHeight));
    m_modes.append(ModeButton{mode, button});
}

int ModeListPage::BuildTimeField(const TimeNames &names, const QString &caption, int fieldLeft, int minimum,
                                 int maximum)
{
    const int top = ButtonTop + ButtonStep * int(m_modes.size()) + TimeGap;
    const NumberField time = MakeNumberField(
        m_group,
        {.name = names.field,
         .upDownName = names.upDown,
         .rule = InputRules::ModeTime,
         .geometry = QRect(fieldLeft, top, 40, 22),
         .minimum = minimum,
         .maximum = maximum,
         .caption = {names.caption, caption, QRect(ButtonLeft, top + 2, fieldLeft - 2 - ButtonLeft, 20)},
         .unit = {names.unit, QStringLiteral(" сек."), QRect(fieldLeft + 60, top + 2, 40, 20)}});
    m_timeField = time.edit;
    m_timeUpDown = time.upDown;
    m_timeCaption = time.caption;
    m_timeUnit = time.unit;
    return top;
}

int ModeListPage::SelectedItem() const
{
    return SelectedNumber(m_list);
}

QRadioButton *ModeListPage::ButtonOf(qint32 mode) const
{
    return ButtonOfMode(m_modes, mode);
}

QList<QRadioButton *> ModeListPage::ModeButtons() const
{
    return ButtonsOf(m_modes);
}

QList<QWidget *> ModeListPage::TimeControls() const
{
    return {m_timeField, m_timeUpDown, m_timeCaption, m_timeUnit};
}

void ModeListPage::SetTimeControls(bool visible, bool enabled)
{
    for (QWidget *control : TimeControls()) {
        control->setVisible(visible);
        control->setEnabled(enabled);
    }
}

void ModeListPage::ShowTime(qint32 seconds)
{
    m_timeUpDown->setPosition(seconds);
    m_timeField->setText(QString::number(m_timeUpDown->position()));
}

void ModeListPage::RedrawAfterDefault(bool isCurrentPage)
{
    // A page the user does not see is redrawn when it is shown next.
    if (isCurrentPage)
        load();
    else
        RedrawWhenShown();
}

void ModeListPage::SelectListRow(const QString &listControl, int row)
{
    // The check sends the user here for a time out of range: the field shows it as the model holds it
    // (as typed) for correcting. Drawn through the up-down it would be held within the range and that
    // value stored, which the user never chose.
    const std::optional<qint32> typed = StoredTime(row + 1);
    if (!SelectRowOf(m_list, listControl, row))
        return;
    load();
    if (typed && m_timeField->text() != QString::number(*typed))
        m_timeField->setText(QString::number(*typed));
}

} // namespace orva
