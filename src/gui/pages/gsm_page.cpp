#include "pages/gsm_page.h"

#include "widgets/check_list_box.h"
#include "widgets/control_builders.h"

#include "device_model/device.h"
#include "device_model/page_choices.h"
#include "fields/field_catalogue.h"
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

constexpr int ListLeft = 8;
constexpr int ListWidth = 440;
// The number and message-set controls stand right of the lists.
constexpr int Left = 458;
constexpr int Width = 312;

struct ListRow
{
    const char16_t *labelName;
    const char16_t *caption;
    QColor colour; // the list's own background
};
const ListRow ListRows[GsmPage::ListCount] = {
    {u"LabelGSM_Free", u"\"Свободные\" телефоны:", QColor()},
    {u"LabelGSM_Dial", u"Телефоны для дозвона без соединения:", QColor(0xC0, 0xFF, 0xC0)},
    {u"LabelGSM_Connect", u"Телефоны для дозвона с соединением:", QColor(0xAA, 0xAA, 0xFF)},
};

const char16_t *const SubModeNames[4] = {u"CheckBoxConnectAlarmOnly", u"CheckBoxConnectAlarmService",
                                         u"CheckBoxConnectAlarmLockUnlock", u"CheckBoxConnectAll"};

QString dialModeText(qint32 mode)
{
    return ChoiceTextOf(PageChoices::DialModes(), mode).toString();
}
constexpr int HighestProtocol = 4;

} // namespace

GsmPage::GsmPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::GSM, tab)
{
    Build(tab);
}

void GsmPage::Build(QWidget *tab)
{
    BuildLists(tab);
    BuildModes(tab);
    BuildDelivery(tab);
}

void GsmPage::BuildLists(QWidget *tab)
{
    for (int list = 0; list < ListCount; ++list) {
        const ListRow &row = ListRows[list];
        auto *box = new CheckListBox(true, ItemHeight, tab);
        box->setObjectName(DialListControl(DialMode(list)));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setGeometry(ListLeft, 0, ListWidth, ItemHeight + 4);
        if (row.colour.isValid())
            SetNormalColour(box, row.colour);
        m_listLabels[list] = MakeLabel(tab, row.labelName, QString::fromUtf16(row.caption),
                                       QRect(ListLeft, 0, ListWidth, 14), box);
        m_lists[list] = box;
        box->installEventFilter(this);

        connect(box, &CheckListBox::clickedRow, this, [this, list](int r) { ListClick(list, r); });
        connect(box, &CheckListBox::clickCheck, this, [this, list] { ListClickCheck(list); });
        // A double-click ticks or unticks in the free and dial lists; the connect list has none.
        if (list != Connect)
            connect(box, &CheckListBox::doubleClickedRow, this, [this, list] { ListClickCheck(list); });
    }
}

void GsmPage::BuildModes(QWidget *tab)
{
    m_number = MakeField(tab, u"EditGSM_PhoneNumber", InputRules::PhoneNumber, QRect(Left + 50, 8, 160, 21));
    m_numberLabel =
        MakeLabel(tab, u"LabelGSM_PhoneNumber", QStringLiteral("Номер:"), QRect(Left, 11, 48, 16), m_number);
    connect(m_number, &QLineEdit::textChanged, this, &GsmPage::EditGSM_PhoneNumberChange);

    m_messageGroup = MakeGroup(tab, u"GroupBoxGSM_ListMessage",
                               QStringLiteral(" Набор сообщений для телефона"), QRect(Left, 38, Width, 196));
    m_dialDuty = MakeRadio(m_messageGroup, u"RadioButtonDialDuty", dialModeText(7), QRect(12, 20, 270, 20));
    m_dialLock = MakeRadio(m_messageGroup, u"RadioButtonDialLock", dialModeText(5), QRect(12, 42, 270, 20));
    m_dialUnLock =
        MakeRadio(m_messageGroup, u"RadioButtonDialUnLock", dialModeText(6), QRect(12, 64, 270, 20));
    m_connect = MakeRadio(m_messageGroup, u"RadioButtonConnect", DialConnectCaption.toString(),
                          QRect(12, 86, 270, 20));
    for (int i = 0; i < 4; ++i) {
        m_subModes[i] = MakeCheck(m_messageGroup, SubModeNames[i],
                                  ChoiceTextOf(PageChoices::SmsMessageSets(), i + 1).toString(),
                                  QRect(32, 108 + 21 * i, 250, 20));
    }

    // A radio button ticked by the program runs its handler as a click does (the updating flag stops
    // it); unticking runs nothing. A sub-mode box runs its handler on every change of its tick.
    const std::pair<QRadioButton *, qint32> dialButtons[] = {
        {m_dialDuty, 7}, {m_dialLock, 5}, {m_dialUnLock, 6}};
    for (const auto &[button, mode] : dialButtons) {
        connect(button, &QRadioButton::toggled, this, [this, m = mode](bool on) {
            if (on)
                SetTemp_Dial(m);
        });
    }
    connect(m_connect, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            SetTemp_Connect(1);
    });
    for (int i = 0; i < 4; ++i)
        connect(m_subModes[i], &QCheckBox::toggled, this, [this, i] { SetTemp_Connect(i + 1); });
}

void GsmPage::BuildDelivery(QWidget *tab)
{
    m_dataMode = new QComboBox(tab);
    m_dataMode->setObjectName(QStringLiteral("ComboBoxGSM_DataMode"));
    m_dataMode->setGeometry(Left, 262, Width, 22);
    // A drop-down list without free text: the delivery is always one of its items.
    m_dataMode->setEditable(false);
    m_dataMode->addItems(ChoiceTextList(PageChoices::DialDeliveries()));
    MakeLabel(tab, u"LabelGSM_DataMode", QStringLiteral("Способ передачи сообщения о событии:"),
              QRect(Left, 244, Width, 16), m_dataMode);
    connect(m_dataMode, &QComboBox::activated, this, &GsmPage::ComboBoxGSM_DataModeChange);

    m_protocolGroup =
        MakeGroup(tab, u"GroupGSM_TypeProt", QStringLiteral("Протокол для связи при дозвоне с соединением:"),
                  QRect(Left, 296, Width, 58));
    m_protocol = new QComboBox(m_protocolGroup);
    m_protocol->setObjectName(QStringLiteral("ComboBoxGSM_Protocol"));
    m_protocol->setGeometry(70, 24, 96, 22);
    m_protocol->addItems(ChoiceTextList(PageChoices::DialProtocols()));
    m_protocolLabel = MakeLabel(m_protocolGroup, u"LabelGSM_Protocol", QStringLiteral("Протокол"),
                                QRect(12, 27, 56, 16), m_protocol);
    m_transparent = MakeCheck(m_protocolGroup, u"CheckBoxGSM_Transparent", QStringLiteral("Прозрачность:"),
                              QRect(176, 25, 106, 20));
    m_transparent->setLayoutDirection(Qt::RightToLeft);
    MakeLabel(m_protocolGroup, u"LabelGSM_Transparent", QString(), QRect(282, 27, 4, 16), m_transparent);
}

void GsmPage::Redraw_GSM()
{
    const T_Command &protocol = model().record(Cmd::dp);
    if (protocol.get(Dialing::Protocol) < 0 || protocol.get(Dialing::Protocol) > HighestProtocol) {
        m_protocol->setCurrentIndex(HighestProtocol);
        m_transparent->setChecked(false);
    } else {
        m_protocol->setCurrentIndex(protocol.get(Dialing::Protocol));
        m_transparent->setChecked(protocol.get(Dialing::Transparency) == 0);
    }
    GSM_ListRebuld();
    GSM_RedrawPhones(0);
    GSM_Redraw_DataMode();
    GSM_PhoneMode_Rebuld();
    GSM_SetModeAndPhone();
}

qint32 GsmPage::ModeOf(int phone) const
{
    return phone >= 1 && phone <= T_Command_DEVICE::PhoneCount ? model().get(DialPhone::Mode, phone) : 0;
}

int GsmPage::ListIndexOf(const QObject *object) const
{
    for (int list = 0; list < ListCount; ++list) {
        if (m_lists[list] == object)
            return list;
    }
    return -1;
}

bool GsmPage::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a list by the user's or the program's focus move; the window merely becoming active
    // again enters nothing.
    if (event->type() == QEvent::FocusIn && !IsProgramChanging(ProgramStep::Redraw) &&
        !IsWindowFocusChange(static_cast<QFocusEvent *>(event)->reason())) {
        if (const int list = ListIndexOf(watched); list >= 0)
            EnterList(list);
    }
    return EditorPage::eventFilter(watched, event);
}

void GsmPage::SelectListRow(const QString &listControl, int row)
{
    for (int list = 0; list < ListCount; ++list) {
        if (m_lists[list]->objectName() != listControl)
            continue;
        // The list becomes the active one with the phone's row, whether or not it then takes the focus
        // (the number field may be the control that does).
        m_remembered[list] = row;
        EnterList(list);
        return;
    }
}

} // namespace orva
