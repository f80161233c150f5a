#include "pages/shleifs_page.h"

#include "pages/page_host.h"
#include "widgets/mode_picture.h"
#include "widgets/radio_buttons.h"
#include "widgets/up_down.h"

#include "device_model/mode_rows.h"
#include "device_model/vocabularies.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"
#include "widgets/focus_binding.h"
#include "widgets/focus_colouring.h"

#include <algorithm>

#include <optional>

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>

namespace orva {
namespace {

qint32 DelayDefault()
{
    return DefaultOf(Loop::Delay);
}

} // namespace

ShleifsPage::ShleifsPage(PageHost &host, QWidget *tab) : ModeListPage(host, PageSlot::Shleifs, tab)
{
    CreateControls();

    connect(m_list, &QListWidget::itemSelectionChanged, this, &ShleifsPage::L_Shleif_ShleifsClick);
    connect(m_list, &QListWidget::itemChanged, this, &ShleifsPage::L_Shleif_ShleifsClickCheck);
    m_list->viewport()->installEventFilter(this);
    for (const ModeButton &mode : std::as_const(m_modes))
        connect(mode.button, &QRadioButton::toggled, this, &ShleifsPage::RadioButton_ShleifModeClick);
    connect(m_timeField, &QLineEdit::textChanged, this, &ShleifsPage::E_Shleif_DelayChange);
    connect(m_name, &QLineEdit::textChanged, this, &ShleifsPage::E_Shleif_NameChange);
    connect(m_zone, &QComboBox::activated, this, &ShleifsPage::E_Shleif_ZoneChange);
    // The two combo boxes colour their labels while they have the focus.
    m_alarmRepeat->installEventFilter(this);
    m_zone->installEventFilter(this);
    BindFields();
}

ShleifsPage::~ShleifsPage() = default;

QString ShleifsPage::RowText(const T_Command_DEVICE &model, int loop)
{
    const QString alias = model.get(Loop::Alias, loop);
    QString text = QStringLiteral("Шлейф ") + QString::number(loop);
    text += alias.isEmpty() ? QStringLiteral("(") : QStringLiteral(": \"") + alias + QStringLiteral("\"(");
    return text + LoopModeText(model, loop) + u')';
}

std::optional<qint32> ShleifsPage::StoredTime(int loop) const
{
    if (loop < 1 || loop > T_Command_DEVICE::LoopCount || !LoopModeHasDelay(model().get(Loop::Mode, loop)))
        return std::nullopt;
    return model().get(Loop::Delay, loop);
}

int ShleifsPage::SelectedLoop() const
{
    return SelectedItem();
}

QRadioButton *ShleifsPage::ButtonOf(LoopMode mode) const
{
    return ModeListPage::ButtonOf(ToStored(mode));
}

bool ShleifsPage::RowTicked(int loop) const
{
    return loop >= 1 && m_list->item(loop - 1)->checkState() == Qt::Checked;
}

void ShleifsPage::Redraw_Shleifs()
{
    for (int loop = 1; loop <= T_Command_DEVICE::LoopCount; ++loop)
        Shleifs_RedrawRem(loop);
    ShowBoundFields();
    Shleifs_EnableElements();
    Shleifs_RedrawImage();
    Shleifs_RedrawElements();
    RememberOrigins();
}

void ShleifsPage::RememberOrigins()
{
    for (int loop = 1; loop <= T_Command_DEVICE::LoopCount; ++loop) {
        const T_Command &record = model().record(Cmd::lm, loop);
        m_origins[loop - 1] = {record.get(Loop::Mode), record.get(Loop::Delay),
                               model().LoopZonePlacesOf(loop)};
    }
}

void ShleifsPage::UnLoad_Shleifs()
{
    StoreBoundFields();
}

void ShleifsPage::Shleifs_RedrawRem(int loop)
{
    QListWidgetItem *item = m_list->item(loop - 1);
    const ProgramChange redraw(*this, ProgramStep::Redraw);
    item->setText(RowText(model(), loop));
    item->setToolTip(item->text()); // a long row is cut at the list's edge; its hint shows it whole
    item->setCheckState(LoopModeInUse(model().get(Loop::Mode, loop)) ? Qt::Checked : Qt::Unchecked);
}

void ShleifsPage::Shleifs_RedrawElements()
{
    const int loop = SelectedLoop();
    if (loop == 0) {
        UntickAll(ModeButtons());
        m_name->setText(QString());
        ShowTime(DelayDefault());
        m_zone->setCurrentIndex(0);
        return;
    }
    // Showing a loop leaves the zones as they are; only the user's choice of a mode moves the loop.
    std::optional<ProgramChange> showing(std::in_place, *this, ProgramStep::ShowRow);
    const LoopMode mode = model().get(Loop::Mode, loop);
    QRadioButton *shown = ButtonOf(mode);
    // Ticking a button that was not ticked runs its click handler, which stores the mode from the
    // buttons: a loop in use whose mode has no button (13) becomes "охранный с задержкой".
    (shown ? shown : ButtonOf(LoopMode::GuardDelay))->setChecked(true);
    // The same holds when that button was ticked already (the previous loop had it): the loop is
    // stored as shown, whichever loop was shown before.
    if (!shown && LoopModeInUse(mode) && model().get(Loop::Mode, loop) == mode)
        RadioButton_ShleifModeClick(true);
    showing.reset();

    const T_Command &loopMode = model().record(Cmd::lm, loop);
    m_name->setText(model().get(Loop::Alias, loop));
    // Modes without a delay show the default; the change of the text stores what is shown. The loop
    // holds the delay shown also when the field's text did not change (the previous loop showed it).
    ShowTime(LoopModeHasDelay(loopMode.get(Loop::Mode)) ? loopMode.get(Loop::Delay) : DelayDefault());
    if (loopMode.get(Loop::Delay) != m_timeUpDown->position())
        E_Shleif_DelayChange();
    m_zone->setCurrentIndex(model().ZoneOfLoop(loop) - 1);
}

void ShleifsPage::Shleifs_EnableElements()
{
    const int loop = SelectedLoop();
    const bool editable = loop != 0 && RowTicked(loop);
    m_group->setEnabled(editable);
    for (const ModeButton &m : std::as_const(m_modes))
        m.button->setEnabled(editable);
    m_name->setEnabled(editable);
    m_nameLabel->setEnabled(editable);
    if (editable) {
        const bool withDelay = std::any_of(m_modes.cbegin(), m_modes.cend(), [](const ModeButton &m) {
            return m.button->isChecked() && LoopModeHasDelay(FromStored<LoopMode>(m.mode));
        });
        SetTimeControls(withDelay, withDelay);
        return;
    }
    m_zone->setEnabled(false);
    m_zoneLabel->setEnabled(false);
    SetTimeControls(true, false);
}

void ShleifsPage::Shleifs_RedrawImage()
{
    const int loop = SelectedLoop();
    // A loop not in use and no selection show "Image\NoGuard.jpg".
    const QString picture =
        loop != 0 && RowTicked(loop) ? LoopPicture(model(), loop) : LoopPicture(model(), 0);
    m_picture->Show(host().programFolder(), picture);
}

void ShleifsPage::Shleifs_SaveMode()
{
    const int loop = SelectedLoop();
    if (loop == 0)
        return;
    LoopMode mode = LoopMode::Unused;
    if (RowTicked(loop)) {
        // Of the ticked buttons, the one of the highest save rank.
        const LoopModeRow *saved =
            SavedModeRow(LoopModeRows(), [this](LoopMode m) { return ButtonOf(m)->isChecked(); });
        mode = saved ? saved->mode : LoopMode::None;
        if (mode == LoopMode::None) {
            mode = LoopMode::GuardDelay;
            ButtonOf(LoopMode::GuardDelay)->setChecked(true);
        }
    }
    T_Command &record = model().record(Cmd::lm, loop);
    record.set(Loop::Mode, mode);
    // A mode with a delay keeps the loop's delay (the default for none), a mode without one stores 0.
    // A loop being shown keeps its zones and starts from the delay it holds; a mode the user chose
    // starts from the loop's origin, so that only the mode it ends with has an effect.
    const LoopOrigin &origin = m_origins[loop - 1];
    const bool chosen = !IsProgramChanging(ProgramStep::ShowRow);
    const qint32 from = chosen ? origin.delay : record.get(Loop::Delay);
    if (chosen && mode == origin.mode)
        record.set(Loop::Delay, origin.delay);
    else if (LoopModeHasDelay(mode))
        record.set(Loop::Delay, from == 0 ? DelayDefault() : from);
    else
        record.set(Loop::Delay, 0);
    ShowTime(record.get(Loop::Delay));

    if (!chosen)
        return;
    // A loop not in use and a patrol loop belong to no zone; any other loop to one.
    model().RestoreLoopZonePlaces(loop, origin.zones);
    if (mode == origin.mode)
        return;
    if (mode == LoopMode::Unused || mode == LoopMode::Patrol)
        model().SetLoopZone(loop, 0);
    else if (model().ZoneOfLoop(loop) == 0)
        model().SetLoopZone(loop, 1);
}

void ShleifsPage::Shleifs_SaveDelay()
{
    const int loop = SelectedLoop();
    if (loop == 0)
        return;
    // An empty field stores 0; the check at save time offers the default.
    model().set(Loop::Delay, loop, m_timeField->text().toInt());
}

void ShleifsPage::Shleifs_SaveName()
{
    if (const int loop = SelectedLoop())
        model().set(Loop::Alias, loop, m_name->text());
}

void ShleifsPage::Shleifs_SaveZone()
{
    if (const int loop = SelectedLoop())
        model().SetLoopZone(loop, m_zone->currentIndex() + 1);
}

void ShleifsPage::L_Shleif_ShleifsClick()
{
    Shleifs_RedrawElements();
    Shleifs_RedrawImage();
    Shleifs_EnableElements();
}

void ShleifsPage::L_Shleif_ShleifsClickCheck(QListWidgetItem *item)
{
    if (IsProgramChanging(ProgramStep::Redraw))
        return;
    // The row whose box the user ticked is the one the steps act on. The view changes the tick before
    // the row is selected; the row is first shown as the model holds it (its tick put back for that
    // moment), exactly as a click on its text shows it, and then gets the user's tick.
    if (m_list->row(item) + 1 != SelectedLoop()) {
        const Qt::CheckState wanted = item->checkState();
        {
            const ProgramChange redraw(*this, ProgramStep::Redraw);
            item->setCheckState(wanted == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        m_list->setCurrentItem(item);
        const ProgramChange redraw(*this, ProgramStep::Redraw);
        item->setCheckState(wanted);
    }
    const ProgramChange applying(*this, ProgramStep::ApplyMode);
    Shleifs_SaveMode();
    Shleifs_EnableElements();
    Shleifs_RedrawImage();
    Shleifs_RedrawRem(SelectedLoop());
}

void ShleifsPage::L_Shleif_ShleifsDblClick()
{
    if (const int loop = SelectedLoop()) {
        QListWidgetItem *item = m_list->item(loop - 1);
        // Changing the state runs L_Shleif_ShleifsClickCheck.
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void ShleifsPage::RadioButton_ShleifModeClick(bool checked)
{
    // Only ticking a button is a click; the button that loses its tick runs nothing.
    if (!checked)
        return;
    const ProgramChange applying(*this, ProgramStep::ApplyMode);
    Shleifs_SaveMode();
    Shleifs_EnableElements();
    Shleifs_RedrawElements();
    Shleifs_RedrawImage();
    if (const int loop = SelectedLoop())
        Shleifs_RedrawRem(loop);
}

void ShleifsPage::E_Shleif_DelayChange()
{
    const int loop = SelectedLoop();
    if (loop == 0)
        return;
    Shleifs_SaveDelay();
    // A delay the user gives a loop is where its next choice of a mode starts from.
    const T_Command &record = model().record(Cmd::lm, loop);
    if (!IsProgramChanging(ProgramStep::ApplyMode) && !IsProgramChanging(ProgramStep::ShowRow) &&
        LoopModeHasDelay(record.get(Loop::Mode)))
        m_origins[loop - 1].delay = record.get(Loop::Delay);
    Shleifs_RedrawRem(loop);
}

void ShleifsPage::E_Shleif_NameChange()
{
    if (const int loop = SelectedLoop()) {
        Shleifs_SaveName();
        Shleifs_RedrawRem(loop);
    }
}

void ShleifsPage::E_Shleif_ZoneChange()
{
    if (const int loop = SelectedLoop()) {
        Shleifs_SaveZone();
        Shleifs_RedrawRem(loop);
    }
}

bool ShleifsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // A double click on a row's text toggles its box; on the box itself the list toggles it.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        if (QListWidgetItem *item = m_list->itemAt(at)) {
            const int box = m_list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_list) +
                            2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list);
            if (at.x() > m_list->visualItemRect(item).left() + box) {
                L_Shleif_ShleifsDblClick();
                return true;
            }
        }
        return false;
    }
    // Entering CB_Shleif_AlarmRepeat or CB_Shleif_Zone colours its labels too; leaving uncolours them.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        QList<QLabel *> labels;
        if (watched == m_alarmRepeat)
            labels = m_alarmRepeatLabels;
        else if (watched == m_zone)
            labels = {m_zoneLabel};
        const bool in = event->type() == QEvent::FocusIn;
        if (!in && IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason()))
            return false;
        for (QLabel *label : labels)
            HighlightFocus(label, in ? HighlightMode::Focused : HighlightMode::Unfocused);
    }
    return false;
}

} // namespace orva
