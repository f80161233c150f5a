// The three lists of the page "GSM-дозвон": their layout, item texts and ticks, the single selection
// across them, the current phone, and the user's clicks and ticks in them.
#include "pages/gsm_page.h"

#include "widgets/check_list_box.h"

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "widgets/focus_colouring.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace orva {
namespace {

constexpr int FirstTop = 3;
constexpr int Gap = 3;
constexpr int LabelHeight = 14;

} // namespace

GsmPage::List GsmPage::ListOfMode(qint32 mode)
{
    return List(int(DialModeOf(mode)));
}

int GsmPage::PhoneAt(int list, int row) const
{
    int seen = 0;
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        if (ListOfMode(ModeOf(phone)) == list && seen++ == row)
            return phone;
    }
    return 0;
}

void GsmPage::GSM_ListRebuld()
{
    std::array<int, ListCount> counts{};
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone)
        ++counts[ListOfMode(ModeOf(phone))];

    const ProgramChange redraw(*this, ProgramStep::Redraw);
    // Each visible list stands under its label, the labels 3 pixels under the visible list above.
    int top = FirstTop;
    for (int list = 0; list < ListCount; ++list) {
        CheckListBox *box = m_lists[list];
        QLabel *label = m_listLabels[list];
        box->setCount(counts[list]);
        if (counts[list] > 0) {
            label->move(label->x(), top);
            box->setGeometry(box->x(), top + LabelHeight, box->width(), counts[list] * ItemHeight + 4);
            label->show();
            box->show();
            top = box->y() + box->height() + Gap;
        } else {
            label->hide();
            box->hide();
        }
    }
}

QString GsmPage::GSM_GetRemPhone(int phone, int shownAs) const
{
    const T_Command &r = model().record(Cmd::dn, phone);
    const qint32 mode = r.get(DialPhone::Mode);
    if (ListOfMode(mode) == Free)
        return QStringLiteral("Телефон (поз.") + QString::number(phone) + QStringLiteral("): (") +
               NotUsedText + u')';

    QString text = QStringLiteral("Телефон ") + QString::number(shownAs) + QStringLiteral(" (поз.") +
                   QString::number(phone) + QStringLiteral("): ");
    if (!r.get(DialPhone::Number).isEmpty())
        text += r.get(DialPhone::Number) + u' ';
    // The captions of the phone's mode controls; for a connected phone the connect button's caption runs
    // straight into the sub-mode's.
    return text + u'(' + ChoiceTextOf(PageChoices::DialModes(), mode) + u')';
}

void GsmPage::GSM_RedrawPhones(int phone)
{
    int dialCount = 0;
    for (int p = 1; p <= T_Command_DEVICE::PhoneCount; ++p)
        dialCount += ListOfMode(ModeOf(p)) == Dial ? 1 : 0;
    // The dial list is numbered first, the connect list after it.
    std::array<int, ListCount> rows{};
    for (int p = 1; p <= T_Command_DEVICE::PhoneCount; ++p) {
        const List list = ListOfMode(ModeOf(p));
        const int row = rows[list]++;
        if (phone != 0 && p != phone)
            continue;
        const int shownAs = list == Dial ? row + 1 : list == Connect ? dialCount + row + 1 : 0;
        m_lists[list]->setItemText(row, GSM_GetRemPhone(p, shownAs));
        m_lists[list]->setChecked(row, list != Free);
    }
}

int GsmPage::GSM_FindTempPhone() const
{
    int found = -1;
    int row = -1;
    for (int list = 0; list < ListCount; ++list) {
        if (m_lists[list]->itemIndex() >= 0) {
            found = list;
            row = m_lists[list]->itemIndex();
        }
    }
    return found < 0 ? 0 : PhoneAt(found, row);
}

int GsmPage::GSM_CalckListTempPhone(int phone) const
{
    if (phone < 1 || phone > T_Command_DEVICE::PhoneCount)
        return -1;
    const List list = ListOfMode(ModeOf(phone));
    int position = 0;
    for (int p = 1; p < phone; ++p)
        position += ListOfMode(ModeOf(p)) == list ? 1 : 0;
    return position;
}

void GsmPage::GSM_SetListSelect(int list)
{
    for (int other = 0; other < ListCount; ++other) {
        if (other == list || m_lists[other]->itemIndex() < 0)
            continue;
        m_remembered[other] = m_lists[other]->itemIndex();
        m_lists[other]->setItemIndex(-1);
    }
    const int row = m_remembered[list];
    if (row >= 0 && row < m_lists[list]->count())
        m_lists[list]->setItemIndex(row);
}

void GsmPage::EnterList(int list)
{
    switch (list) {
    case Free:
        GSM_SetListSelect(Free);
        GSM_SetModeAndPhone();
        GSM_EnableNumber(false);
        break;
    case Dial:
        GSM_SetListSelect(Dial);
        GSM_SetModeAndPhone();
        // The number field edits the selected phone: with none (a remembered row its phone has left)
        // there is nothing to edit.
        GSM_EnableNumber(GSM_FindTempPhone() != 0);
        break;
    default:
        GSM_SetListSelect(Connect);
        GSM_EnableNumber(GSM_FindTempPhone() != 0);
        GSM_SetModeAndPhone();
        // The redraws above repainted the list; it still has the focus.
        if (m_lists[Connect]->hasFocus())
            HighlightFocus(m_lists[Connect], HighlightMode::Focused);
        break;
    }
}

void GsmPage::ListClick(int list, int row)
{
    m_remembered[list] = row;
    GSM_SetListSelect(list);
    GSM_SetModeAndPhone();
}

void GsmPage::ListClickCheck(int list)
{
    const int phone = GSM_FindTempPhone();
    if (phone == 0 || ListOfMode(ModeOf(phone)) != list) {
        // A tick on no current phone: the ticks go back to what the model says.
        GSM_RedrawPhones(0);
        return;
    }
    T_Command &r = model().record(Cmd::dn, phone);
    switch (list) {
    case Free:
        r.set(DialPhone::Mode, 7); // "Дозвон: Дежурные режимы"
        break;
    case Dial:
        r.set(DialPhone::Mode, 0);
        r.set(DialPhone::Number, QString());
        break;
    default: // a connected phone keeps its number
        r.set(DialPhone::Mode, 0);
        break;
    }
    GSM_ListRebuld();

    CheckListBox *acted = m_lists[list];
    int active = list;
    if (acted->itemIndex() < 0 && acted->count() > 0)
        acted->setItemIndex(acted->count() - 1);
    if (acted->itemIndex() >= 0) {
        m_remembered[list] = acted->itemIndex();
    } else {
        // The list is empty now: the selection moves to the neighbouring list.
        int row = 0;
        if (list == Free) {
            active = Dial;
        } else if (list == Dial || m_lists[Dial]->count() == 0) {
            active = Free;
            row = m_lists[Free]->count() - 1;
        } else {
            active = Dial;
            row = m_lists[Dial]->count() - 1;
        }
        m_remembered[active] = row;
    }
    // The current phone is another one now: the number and mode controls follow it.
    EnterList(active);
    if (active != list)
        m_lists[active]->setFocus(Qt::OtherFocusReason);
    GSM_RedrawPhones(0);
}

} // namespace orva
