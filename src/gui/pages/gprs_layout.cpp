// The controls of the page "GPRS" and the control list that the GPRS switch enables.
#include "pages/gprs_page.h"

#include "widgets/page_fields.h"
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
// grouped length (a click into the field selects its text, so typing replaces it); leaving the field
// (and storing the page) puts the text into its groups.
constexpr int IdentLength = 14;   // XXXX-XXXX-XXXX
constexpr int KeyPartLength = 23; // XX-XX-XX-XX-XX-XX-XX-XX
constexpr int ServerLength = 15;  // 999.999.999.999

FieldEdit *GroupedField(QWidget *parent, const QString &name, KeyFilter filter, int length)
{
    FieldEdit *edit = MakeField(parent, name, filter, length);
    edit->setSelectAllOnEntry(true);
    if (filter == KeyFilter::Hex) {
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

CaptionGroup *Group(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *group = new CaptionGroup(caption, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
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
}

void GprsPage::BuildSwitch()
{
    m_active = MakeCheckBox(tab(), QStringLiteral("CB_GPRS_Active"), QStringLiteral("GPRS"), 12, 8);
    m_activeLabel = MakeLabel(tab(), QStringLiteral("L_GPRS_Active"), QStringLiteral("Активность"), m_active,
                              m_active->geometry().right() + 6, 10);
    m_active->installEventFilter(this);
    connect(m_active, &QCheckBox::toggled, this, &GprsPage::CB_GPRS_ActiveClick);
}

void GprsPage::BuildIdent()
{
    CaptionGroup *group = Group(tab(), QStringLiteral("GB_GPRS_Ident"),
                                QStringLiteral("Параметры идентификации:"), QRect(8, 30, 380, 172));
    m_ident = GroupedField(group, QStringLiteral("E_GPRS_Ident"), KeyFilter::Hex, IdentLength);
    m_ident->setGeometry(110, 20, 110, RowHeight);
    MakeLabel(group, QStringLiteral("L_GPRS_Ident"), QStringLiteral("Идентификатор:"), m_ident, 10, 23);
    for (int part = 0; part < KeyParts; ++part) {
        FieldEdit *key =
            GroupedField(group, QStringLiteral("E_GPRS_Key%1").arg(part + 1), KeyFilter::Hex, KeyPartLength);
        key->setGeometry(10 + (part % 2) * 182, 70 + (part / 2) * RowStep, 176, RowHeight);
        key->installEventFilter(this);
        key->setAccessibleName(QStringLiteral("Ключ шифрации, часть %1").arg(part + 1));
        m_keys[part] = key;
    }
    MakeLabel(group, QStringLiteral("L_GPRS_Key"), QStringLiteral("Ключ шифрации:"), m_keys[0], 10, 50);
    m_ident->installEventFilter(this);

    m_generate = new PictureButton(-11, GlyphLayout::Left, group);
    m_generate->setObjectName(QStringLiteral("B_GPRS_KeyGenerate"));
    m_generate->setGeometry(10, 126, 176, 40);
    m_clear = new PictureButton(-12, GlyphLayout::Left, group);
    m_clear->setObjectName(QStringLiteral("B_GPRS_KeyClear"));
    m_clear->setGeometry(192, 126, 176, 40);
    connect(m_generate, &QPushButton::clicked, this, &GprsPage::B_GPRS_KeyGenerateClick);
    connect(m_clear, &QPushButton::clicked, this, &GprsPage::B_GPRS_KeyClearClick);
}

void GprsPage::BuildSim(int sim)
{
    const QString n = QString::number(sim);
    CaptionGroup *group =
        Group(tab(), u"GB_GPRS_SIM" + n, QStringLiteral("Параметры GPRS SIM-карты №%1:").arg(sim),
              QRect(8, 206 + (sim - 1) * 116, 380, 110));
    m_apn[sim - 1] = MakeField(group, u"E_GPRS_APN" + n, KeyFilter::None, 0);
    m_login[sim - 1] = MakeField(group, u"E_GPRS_Login" + n, KeyFilter::None, 0);
    m_password[sim - 1] = MakeField(group, u"E_GPRS_Password" + n, KeyFilter::None, 0);
    const struct
    {
        FieldEdit *edit;
        const char16_t *label;
        QString caption;
    } rows[] = {{m_apn[sim - 1], u"L_GPRS_APN", QStringLiteral("APN-сервер:")},
                {m_login[sim - 1], u"L_GPRS_Login", QStringLiteral("Логин:")},
                {m_password[sim - 1], u"L_GPRS_Password", QStringLiteral("Пароль:")}};
    int top = 20;
    for (const auto &row : rows) {
        row.edit->setGeometry(100, top, 268, RowHeight);
        MakeLabel(group, QString::fromUtf16(row.label) + n, row.caption, row.edit, 10, top + 3);
        top += RowStep;
    }
}

void GprsPage::BuildParam()
{
    CaptionGroup *group = Group(tab(), QStringLiteral("GB_GPRS_Param"),
                                QStringLiteral("Параметры сеансов связи:"), QRect(396, 8, 373, 130));
    const int left = 270;
    auto numeric = [&](const QString &name, int digits, int row) {
        FieldEdit *edit = MakeField(group, name, KeyFilter::Digital, digits);
        edit->setGeometry(left, 20 + row * RowStep, 40, RowHeight);
        return edit;
    };
    m_duty1 = numeric(QStringLiteral("E_GPRS_Duty1"), 3, 0);
    m_duty2 = numeric(QStringLiteral("E_GPRS_Duty2"), 3, 1);
    m_answer = numeric(QStringLiteral("E_GPRS_Answer"), 2, 2);
    m_noAnswer = numeric(QStringLiteral("E_GPRS_NoAnswer"), 2, 3);
    // The up-downs' own ranges: the stepping limits of the page, not the command table's.
    m_duty1UpDown = MakeUpDown(group, QStringLiteral("UD_GPRS_Duty1"), m_duty1, 0, 900);
    m_duty2UpDown = MakeUpDown(group, QStringLiteral("UD_GPRS_Duty2"), m_duty2, 0, 900);
    m_answerUpDown = MakeUpDown(group, QStringLiteral("UD_GPRS_Answer"), m_answer, 5, 60);
    m_noAnswerUpDown = MakeUpDown(group, QStringLiteral("UD_GPRS_NoAnswer"), m_noAnswer, 1, 99);

    MakeLabel(group, QStringLiteral("L_GPRS_Answer"), QStringLiteral("Время ожидания ответа:"), m_answer, 10,
              20 + 2 * RowStep + 3);
    MakeLabel(group, QStringLiteral("L_GPRS_NoAnswer"), QStringLiteral("Число неответов до снижения темпа:"),
              m_noAnswer, 10, 20 + 3 * RowStep + 3);
    MakeLabel(group, QStringLiteral("L_GPRS_Duty1"), QStringLiteral("Дежурный режим без подтверждения:"),
              m_duty1, 10, 23);
    FieldEdit *withUnit[] = {m_duty1, m_duty2, m_answer};
    for (int k = 0; k < 3; ++k)
        MakeLabel(group, QStringLiteral("L_GPRS_Sec%1").arg(k + 1), QStringLiteral(" сек."), withUnit[k],
                  left + 60, withUnit[k]->y() + 3);
    MakeLabel(group, QStringLiteral("L_GPRS_Duty2"), QStringLiteral("Дежурный режим с подтверждением:"),
              m_duty2, 10, 20 + RowStep + 3);
}

void GprsPage::BuildServers(int sim)
{
    const QString n = QString::number(sim);
    CaptionGroup *group = Group(tab(), u"GB_GPRS_Servers" + n,
                                QStringLiteral("Серверы приема сообщений SIM-карты №%1").arg(sim),
                                QRect(396, sim == 1 ? 142 : 276, 373, 100));
    for (int row = 0; row < ServersPerSim; ++row) {
        const int server = (sim - 1) * ServersPerSim + row + 1;
        const int top = 20 + row * RowStep;
        FieldEdit *address = GroupedField(group, QStringLiteral("E_GPRS_Server%1").arg(server),
                                          KeyFilter::Address, ServerLength);
        address->setGeometry(44, top, 120, RowHeight);
        address->installEventFilter(this);
        FieldEdit *port =
            MakeField(group, QStringLiteral("E_GPRS_Port%1").arg(server), KeyFilter::Digital, 5);
        port->setGeometry(220, top, 60, RowHeight);
        MakeLabel(group, QStringLiteral("L_GPRS_Server%1").arg(server), QStringLiteral("№%1:").arg(row + 1),
                  address, 10, top + 3);
        MakeLabel(group, QStringLiteral("L_GPRS_Port%1").arg(server), QStringLiteral("порт:"), port, 180,
                  top + 3);
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
    m_equal = MakeCheckBox(tab(), QStringLiteral("CB_GPRS_Equal"), QStringLiteral("="), 410, 250);
    QLabel *equal1 = MakeLabel(tab(), QStringLiteral("L_GPRS_Equal1"), QStringLiteral(" ="), m_equal,
                               m_equal->geometry().right() + 6, 252);
    QLabel *equal2 = MakeLabel(tab(), QStringLiteral("L_GPRS_Equal2"), QString(), m_equal,
                               equal1->geometry().right() + 2, 250);
    equal2->resize(120, RowHeight);
    m_equalLabels = {equal1, equal2};
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
