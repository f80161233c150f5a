// The controls of the page "GPRS" and the control list that the GPRS switch enables.
#include "pages/gprs_page.h"

#include "widgets/control_builders.h"
#include "widgets/up_down.h"

#include "widgets/caption_group.h"
#include "widgets/field_edit.h"
#include "widgets/picture_button.h"

#include <QCheckBox>
#include <QLabel>

namespace orva {
namespace {

constexpr int RowHeight = 21;
constexpr int RowStep = 26;

// The identifier, the key parts and the server addresses are plain fields, not masked edits: a mask
// fills a short group on the right ("10." became "100."), keeps typed zeros out of the field's text and
// gives a screen reader other characters than the field shows. Typing and pasting are limited to the
// grouped length (a click into the field selects its text, so typing replaces it; with the cursor
// inside the full field a typed character replaces the one after it); leaving the field (and storing
// the page) puts the text into its groups.
FieldEdit *GroupedField(QWidget *parent, const QString &name, const InputRule &rule, const QRect &geometry)
{
    FieldEdit *edit = MakeField(parent, name, rule, geometry);
    edit->setSelectAllOnEntry(true);
    edit->setOverwriteWhenFull(true);
    if (rule.filter == KeyFilter::Hex) {
        // Hexadecimal digits show in upper case as they are typed.
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
            const QString upper = text.toUpper();
            if (upper == text)
                return;
            const int cursor = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(cursor);
        });
    }
    return edit;
}

} // namespace

GprsPage::GprsPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::GPRS, tab)
{
    BuildSwitch();
    BuildIdent();
    BuildSim(1);
    BuildSim(2);
    BuildParam();
    BuildServers(1);
    BuildEqual();
    BuildServers(2);
    // The switch carries a tag, and any stored mode above 0 ticks it.
    BindFields({u"gprs.active"});
}

void GprsPage::BuildSwitch()
{
    m_active = MakeCheck(tab(), QStringLiteral("CB_GPRS_Active"), QStringLiteral("GPRS"), QPoint(12, 8));
    m_activeLabel = MakeLabel(tab(), QStringLiteral("L_GPRS_Active"), QStringLiteral("Активность"),
                              QPoint(m_active->geometry().right() + 6, 10), m_active);
    m_active->setAccessibleName(QStringLiteral("Активность GPRS"));
    m_active->installEventFilter(this);
    connect(m_active, &QCheckBox::toggled, this, &GprsPage::CB_GPRS_ActiveClick);
}

void GprsPage::BuildIdent()
{
    CaptionGroup *group = MakeGroup(tab(), QStringLiteral("GB_GPRS_Ident"),
                                    QStringLiteral("Параметры идентификации:"), QRect(8, 30, 380, 172));
    m_ident = GroupedField(group, QStringLiteral("E_GPRS_Ident"), InputRules::GprsIdentifier,
                           QRect(110, 20, 110, RowHeight));
    MakeLabel(group, QStringLiteral("L_GPRS_Ident"), QStringLiteral("Идентификатор:"), QPoint(10, 23),
              m_ident);
    for (int part = 0; part < T_Command_DEVICE::GprsKeyPartCount; ++part) {
        FieldEdit *key =
            GroupedField(group, QStringLiteral("E_GPRS_Key%1").arg(part + 1), InputRules::GprsKeyPart,
                         QRect(10 + (part % 2) * 182, 70 + (part / 2) * RowStep, 176, RowHeight));
        key->installEventFilter(this);
        key->setAccessibleName(QStringLiteral("Ключ шифрации, часть %1").arg(part + 1));
        m_keys[part] = key;
    }
    MakeLabel(group, QStringLiteral("L_GPRS_Key"), QStringLiteral("Ключ шифрации:"), QPoint(10, 50),
              m_keys[0]);
    m_ident->installEventFilter(this);

    m_generate =
        MakePictureButton(group, u"B_GPRS_KeyGenerate", -11, GlyphLayout::Left, QRect(10, 126, 176, 40));
    m_clear = MakePictureButton(group, u"B_GPRS_KeyClear", -12, GlyphLayout::Left, QRect(192, 126, 176, 40));
    connect(m_generate, &QPushButton::clicked, this, &GprsPage::B_GPRS_KeyGenerateClick);
    connect(m_clear, &QPushButton::clicked, this, &GprsPage::B_GPRS_KeyClearClick);
}

void GprsPage::BuildSim(int sim)
{
    const QString n = QString::number(sim);
    CaptionGroup *group =
        MakeGroup(tab(), u"GB_GPRS_SIM" + n, QStringLiteral("Параметры GPRS SIM-карты №%1:").arg(sim),
                  QRect(8, 206 + (sim - 1) * 116, 380, 110));
    const struct
    {
        const char16_t *name;
        const char16_t *label;
        QString caption;
    } rows[] = {{u"E_GPRS_APN", u"L_GPRS_APN", QStringLiteral("APN-сервер:")},
                {u"E_GPRS_Login", u"L_GPRS_Login", QStringLiteral("Логин:")},
                {u"E_GPRS_Password", u"L_GPRS_Password", QStringLiteral("Пароль:")}};
    int top = 20;
    for (const auto &row : rows) {
        FieldEdit *edit =
            MakeField(group, QString::fromUtf16(row.name) + n, InputRule{}, QRect(100, top, 268, RowHeight));
        MakeLabel(group, QString::fromUtf16(row.label) + n, row.caption, QPoint(10, top + 3), edit);
        top += RowStep;
    }
}

void GprsPage::BuildParam()
{
    CaptionGroup *group = MakeGroup(tab(), QStringLiteral("GB_GPRS_Param"),
                                    QStringLiteral("Параметры сеансов связи:"), QRect(396, 8, 373, 130));
    const int left = 270;
    // The up-downs' own ranges: the stepping limits of the page, not the command table's.
    const struct
    {
        const char16_t *name;
        const char16_t *upDownName;
        InputRule rule;
        int minimum;
        int maximum;
        const char16_t *captionName;
        QString caption;
        const char16_t *unitName; // " сек.", where the field has a unit
    } rows[] = {
        {u"E_GPRS_Duty1", u"UD_GPRS_Duty1", InputRules::GprsDuty, 0, 900, u"L_GPRS_Duty1",
         QStringLiteral("Дежурный режим без подтверждения:"), u"L_GPRS_Sec1"},
        {u"E_GPRS_Duty2", u"UD_GPRS_Duty2", InputRules::GprsDuty, 0, 900, u"L_GPRS_Duty2",
         QStringLiteral("Дежурный режим с подтверждением:"), u"L_GPRS_Sec2"},
        {u"E_GPRS_Answer", u"UD_GPRS_Answer", InputRules::GprsAnswerWait, 5, 60, u"L_GPRS_Answer",
         QStringLiteral("Время ожидания ответа:"), u"L_GPRS_Sec3"},
        {u"E_GPRS_NoAnswer", u"UD_GPRS_NoAnswer", InputRules::GprsNoAnswerCount, 1, 99, u"L_GPRS_NoAnswer",
         QStringLiteral("Число неответов до снижения темпа:"), nullptr},
    };
    int top = 20;
    for (const auto &row : rows) {
        MakeNumberField(group, {.name = row.name,
                                .upDownName = row.upDownName,
                                .rule = row.rule,
                                .geometry = QRect(left, top, 40, RowHeight),
                                .minimum = row.minimum,
                                .maximum = row.maximum,
                                .caption = {row.captionName, row.caption, QPoint(10, top + 3)},
                                .unit = {row.unitName, QStringLiteral(" сек."), QPoint(left + 60, top + 3)}});
        top += RowStep;
    }
}

void GprsPage::BuildServers(int sim)
{
    const QString n = QString::number(sim);
    CaptionGroup *group = MakeGroup(tab(), u"GB_GPRS_Servers" + n,
                                    QStringLiteral("Серверы приема сообщений SIM-карты №%1").arg(sim),
                                    QRect(396, sim == 1 ? 142 : 276, 373, 100));
    for (int row = 0; row < T_Command_DEVICE::ServersPerSim; ++row) {
        const int server = (sim - 1) * T_Command_DEVICE::ServersPerSim + row + 1;
        const int top = 20 + row * RowStep;
        FieldEdit *address = GroupedField(group, QStringLiteral("E_GPRS_Server%1").arg(server),
                                          InputRules::ServerAddress, QRect(44, top, 120, RowHeight));
        address->installEventFilter(this);
        FieldEdit *port = MakeField(group, QStringLiteral("E_GPRS_Port%1").arg(server),
                                    InputRules::ServerPort, QRect(220, top, 60, RowHeight));
        MakeLabel(group, QStringLiteral("L_GPRS_Server%1").arg(server), QStringLiteral("№%1:").arg(row + 1),
                  QPoint(10, top + 3), address);
        MakeLabel(group, QStringLiteral("L_GPRS_Port%1").arg(server), QStringLiteral("порт:"),
                  QPoint(180, top + 3), port);
        // The labels read "№1:" and "порт:" in both SIM cards' groups: the names say which server.
        const QString which = QStringLiteral(" сервера №%1 SIM-карты №%2").arg(row + 1).arg(sim);
        address->setAccessibleName(QStringLiteral("адрес") + which);
        port->setAccessibleName(QStringLiteral("порт") + which);
        m_servers[server - 1] = address;
        m_ports[server - 1] = port;
        // Event_ChangeServer / Event_ChangePort: SIM 1's servers are mirrored while "=" is ticked.
        if (sim == 1) {
            connect(address, &QLineEdit::textChanged, this, &GprsPage::Event_ChangeServer);
            connect(port, &QLineEdit::textChanged, this, &GprsPage::Event_ChangePort);
        }
    }
}

void GprsPage::BuildEqual()
{
    m_equal = MakeCheck(tab(), QStringLiteral("CB_GPRS_Equal"), QStringLiteral("="), QPoint(410, 250));
    QLabel *equal1 = MakeLabel(tab(), QStringLiteral("L_GPRS_Equal1"), QStringLiteral(" ="),
                               QPoint(m_equal->geometry().right() + 6, 252), m_equal);
    QLabel *equal2 = MakeLabel(tab(), QStringLiteral("L_GPRS_Equal2"), QString(),
                               QRect(equal1->geometry().right() + 2, 250, 120, RowHeight), m_equal);
    m_equalLabels = {equal1, equal2};
    // The caption "=" says nothing to a screen reader.
    m_equal->setAccessibleName(QStringLiteral("адреса SIM-карты №2 как у SIM-карты №1"));
    m_equal->installEventFilter(this);
    connect(m_equal, &QCheckBox::toggled, this, &GprsPage::CB_GPRS_EqualClick);
}

QWidget *GprsPage::Named(const QString &name) const
{
    auto *control = tab()->findChild<QWidget *>(name);
    Q_ASSERT_X(control, "Create_GPRS", "a control of the list is missing");
    return control;
}

void GprsPage::Create_GPRS()
{
    // clang-format off
    static const char16_t *const Names[] = {
        u"GB_GPRS_Ident", u"L_GPRS_Ident", u"L_GPRS_Key", u"E_GPRS_Ident",
        u"E_GPRS_Key1", u"E_GPRS_Key2", u"E_GPRS_Key3", u"E_GPRS_Key4",
        u"B_GPRS_KeyGenerate", u"B_GPRS_KeyClear",
        u"GB_GPRS_SIM1", u"L_GPRS_APN1", u"L_GPRS_Login1", u"L_GPRS_Password1",
        u"E_GPRS_APN1", u"E_GPRS_Login1", u"E_GPRS_Password1",
        u"GB_GPRS_SIM2", u"L_GPRS_APN2", u"L_GPRS_Login2", u"L_GPRS_Password2",
        u"E_GPRS_APN2", u"E_GPRS_Login2", u"E_GPRS_Password2",
        u"GB_GPRS_Param", u"L_GPRS_Answer", u"L_GPRS_NoAnswer", u"L_GPRS_Duty1",
        u"L_GPRS_Sec1", u"L_GPRS_Sec2", u"L_GPRS_Sec3", u"L_GPRS_Duty2",
        u"E_GPRS_Duty1", u"UD_GPRS_Duty1", u"E_GPRS_Duty2", u"UD_GPRS_Duty2",
        u"E_GPRS_Answer", u"UD_GPRS_Answer", u"E_GPRS_NoAnswer", u"UD_GPRS_NoAnswer",
        u"GB_GPRS_Servers1", u"L_GPRS_Server1", u"L_GPRS_Server2", u"L_GPRS_Server3",
        u"L_GPRS_Port1", u"L_GPRS_Port2", u"L_GPRS_Port3",
        u"E_GPRS_Port1", u"E_GPRS_Port2", u"E_GPRS_Port3",
        u"E_GPRS_Server1", u"E_GPRS_Server2", u"E_GPRS_Server3",
        u"GB_GPRS_Servers2", u"L_GPRS_Server4", u"L_GPRS_Server5", u"L_GPRS_Server6",
        u"L_GPRS_Port4", u"L_GPRS_Port5", u"L_GPRS_Port6",
        u"E_GPRS_Port4", u"E_GPRS_Port5", u"E_GPRS_Port6",
        u"E_GPRS_Server4", u"E_GPRS_Server5", u"E_GPRS_Server6",
        u"CB_GPRS_Equal", u"L_GPRS_Equal1", u"L_GPRS_Equal2",
    };
    // clang-format on
    static_assert(std::size(Names) == ControlCount);
    m_controls.clear();
    for (const char16_t *name : Names)
        m_controls.append(Named(QString::fromUtf16(name)));
}

} // namespace orva
