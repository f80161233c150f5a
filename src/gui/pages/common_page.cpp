#include "pages/common_page.h"

#include "pages/page_host.h"
#include "widgets/control_builders.h"
#include "widgets/up_down.h"

#include "device_model/device.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"
#include "widgets/fonts.h"

#include <QFrame>
#include <QLabel>

namespace orva {
namespace {

constexpr int RowHeight = 21;
constexpr int FieldLeft = 300;

// The captions of the balance fields of SIM 1 and SIM 2; SIM 2's period is written in lower case.
constexpr QStringView DelayCaptions[T_Command_DEVICE::SimCount] = {
    u"Период опроса баланса SIM-карты №1 (0..48):", u"период опроса баланса SIM-карты №2 (0..48):"};

} // namespace

CommonPage::CommonPage(PageHost &host, QWidget *tab) : EditorPage(host, PageSlot::Common, tab)
{
    BuildAccess();
    BuildPhones();
    BuildBalance();
    BindFields();
}

void CommonPage::BuildAccess()
{
    QWidget *page = tab();
    FieldEdit *key =
        MakeField(page, QStringLiteral("E_Common_KEY"), InputRules::FileKey, QRect(FieldLeft, 36, 400, 26));
    FieldEdit *keyOld = MakeField(page, QStringLiteral("E_Common_KEYOld"), InputRules::FileKey,
                                  QRect(FieldLeft, 68, 400, 26));
    const QFont keyFont = CourierNewPx(16, Bold);
    key->setFont(keyFont);
    keyOld->setFont(keyFont);
    MakeLabel(page, QStringLiteral("L_Common_KEY"), QStringLiteral("Ключ шифрования конфигурации :"),
              QPoint(16, 42), key);
    MakeLabel(page, QStringLiteral("L_Common_KEYOld"), QStringLiteral("\"Старый\" ключ (для смены ключа):"),
              QPoint(16, 74), keyOld);

    FieldEdit *password = MakeField(page, QStringLiteral("E_Common_Password"), InputRules::RemotePassword,
                                    QRect(FieldLeft, 102, 80, RowHeight));
    MakeLabel(page, QStringLiteral("L_Common_Password"), QStringLiteral("Пароль удаленного управления    :"),
              QPoint(16, 105), password);
}

void CommonPage::BuildPhones()
{
    CaptionGroup *group = MakeGroup(
        tab(), u"GB_Common_Phones",
        QStringLiteral("Номера используемых SIM-карт (для справки, прибором в работе не используются)"),
        QRect(8, 132, 761, 80));
    for (int sim = 1; sim <= T_Command_DEVICE::SimCount; ++sim) {
        const int top = 20 + (sim - 1) * 28;
        FieldEdit *phone = MakeField(group, QStringLiteral("E_Common_PhoneNumber%1").arg(sim),
                                     InputRules::PhoneNumber, QRect(FieldLeft - 8, top, 140, RowHeight));
        MakeLabel(group, QStringLiteral("L_Common_PhoneNumber%1").arg(sim),
                  QStringLiteral("Номер телефона SIM-карты №%1:").arg(sim), QPoint(8, top + 3), phone);
    }
}

void CommonPage::BuildBalance()
{
    CaptionGroup *group =
        MakeGroup(tab(), u"GB_Common_Balance", QStringLiteral("Контроль баланса"), QRect(8, 220, 761, 210));
    BuildBalanceOf(group, 1, 20);
    auto *separator = new QFrame(group);
    separator->setObjectName(QStringLiteral("Bevel_Common_Balance"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(8, 110, 745, 4);
    BuildBalanceOf(group, 2, 122);
}

void CommonPage::BuildBalanceOf(QWidget *group, int sim, int top)
{
    Balance &b = m_balance[sim - 1];
    const QString n = QString::number(sim);
    const int left = FieldLeft - 8;

    const NumberField delay =
        MakeNumberField(group, {.name = u"E_Common_BalanceDelay" + n,
                                .upDownName = u"UD_Common_BalanceDelay" + n,
                                .rule = InputRules::BalancePeriod,
                                .geometry = QRect(left, top, 40, RowHeight),
                                .caption = {u"L_Common_BalanceDelay" + n + u"_1",
                                            DelayCaptions[sim - 1].toString(), QPoint(8, top + 3)},
                                .unit = {u"L_Common_BalanceDelay" + n + u"_2", QStringLiteral(" час."),
                                         QPoint(left + 60, top + 3)}});
    b.delayUpDown = delay.upDown;

    FieldEdit *phone = MakeField(group, u"E_Common_BalancePhone" + n, InputRules::PhoneNumber,
                                 QRect(left, top + 28, 140, RowHeight));
    MakeLabel(group, u"L_Common_BalancePhone" + n,
              QStringLiteral("Код запроса баланса SIM-карты №%1                 :").arg(sim),
              QPoint(8, top + 31), phone);

    const NumberField value = MakeNumberField(
        group,
        {.name = u"E_Common_BalanceVal" + n,
         .upDownName = u"UD_Common_BalanceVal" + n,
         .rule = InputRules::BalanceThreshold,
         .geometry = QRect(left, top + 56, 40, RowHeight),
         .caption = {u"L_Common_BalanceVal" + n + u"_1",
                     QStringLiteral("Порог оповещения о низком балансе счета   :"), QPoint(8, top + 59)},
         .unit = {u"L_Common_BalanceVal" + n + u"_2", QStringLiteral(" единиц тарификации"),
                  QPoint(left + 60, top + 59)}});
    b.valueUpDown = value.upDown;
    // The two thresholds share their caption: a screen reader names the card as well.
    value.edit->setAccessibleName(
        QStringLiteral("Порог оповещения о низком балансе счета SIM-карты №%1").arg(sim));
}

void CommonPage::Redraw_Common()
{
    // The up-downs step within the ranges of the command table.
    for (Balance &b : m_balance) {
        b.delayUpDown->setRange(MinOf(Sim::BalancePeriod), MaxOf(Sim::BalancePeriod));
        b.valueUpDown->setRange(MinOf(Sim::BalanceThreshold), MaxOf(Sim::BalanceThreshold));
    }
    ShowBoundFields();
}

void CommonPage::UnLoad_Common()
{
    StoreBoundFields();
}

} // namespace orva
