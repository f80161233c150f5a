#include "dialogs/ok_message.h"

#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/colours.h"
#include "widgets/static_text.h"

namespace orva {
namespace {

constexpr int ButtonTop = 212;
constexpr int ButtonWidth = 249;
constexpr int ButtonHeight = 60;
constexpr int ButtonPixels = 17;
constexpr int ContinueLeftBesideCancel = 328;
constexpr int ContinueLeftAlone = 184;
constexpr int CancelLeft = 40;

} // namespace

TFormOkMessage::TFormOkMessage(QWidget *parent)
    : MessageBoxBase(parent, QStringLiteral("FormOkMessage"), QStringLiteral("Сообщение"), QSize(617, 282),
                     QColor(0, 255, 0), MakeImageList({QStringLiteral("cancel"), QStringLiteral("continue")}),
                     {QString(), QStringLiteral("Отказаться"), QStringLiteral("Продолжить")})
{
    // A tool window: a slim caption with only the close button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_message =
        AddText(QStringLiteral("StaticTextMessage"), QRect(8, 8, 601, 100), 27, Qt::AlignCenter, Qt::black);
    m_recommendation = AddText(QStringLiteral("StaticTextRecomendation"), QRect(8, 110, 601, 90), 24,
                               Qt::AlignCenter, Colours::Hint);

    m_continue = AddButton(QStringLiteral("BitBtnContinue"), 2, QRect(), ButtonPixels, ModalResult::Ok);
    m_cancel =
        AddButton(QStringLiteral("BitBtnCancel"), 1, QRect(CancelLeft, ButtonTop, ButtonWidth, ButtonHeight),
                  ButtonPixels, ModalResult::Cancel);
    m_cancel->setDefault(true);
    // "Отказаться" is the cancel button: Esc chooses it while it is shown.
    FinishButtons({m_continue}, m_cancel, ModalResult::Cancel);
    SetMessages(QString(), QString(), false);
}

void TFormOkMessage::SetMessages(const QString &message, const QString &recommendation, bool offerCancel)
{
    m_message->setText(message);
    m_recommendation->setText(recommendation);
    m_cancel->setVisible(offerCancel);
    m_continue->setGeometry(offerCancel ? ContinueLeftBesideCancel : ContinueLeftAlone, ButtonTop,
                            ButtonWidth, ButtonHeight);
}

} // namespace orva
