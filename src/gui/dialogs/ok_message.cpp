#include "dialogs/ok_message.h"

#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include <QKeyEvent>

namespace orva {
namespace {

constexpr int ButtonTop = 212;
constexpr int ButtonWidth = 249;
constexpr int ButtonHeight = 60;
constexpr int ContinueLeftBesideCancel = 328;
constexpr int ContinueLeftAlone = 184;
constexpr int CancelLeft = 40;

StaticText *CentredText(const QString &name, int pixels, const QColor &colour, const QRect &geometry,
                        QWidget *parent)
{
    auto *text = new StaticText(parent);
    text->setObjectName(name);
    text->setGeometry(geometry);
    text->setFont(ArialPx(pixels, Bold | Italic));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    SetTextColour(text, colour);
    return text;
}

} // namespace

TFormOkMessage::TFormOkMessage(QWidget *parent)
    : QDialog(parent), m_images(MakeImageList({QStringLiteral("cancel"), QStringLiteral("continue")})),
      m_captions({QString(), QStringLiteral("Отказаться"), QStringLiteral("Продолжить")})
{
    setObjectName(QStringLiteral("FormOkMessage"));
    setWindowTitle(QStringLiteral("Сообщение"));
    // A tool window: a slim caption with only the close button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(617, 282);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0, 255, 0));
    setPalette(background);

    m_message = CentredText(QStringLiteral("StaticTextMessage"), 27, Qt::black, QRect(8, 8, 601, 100), this);
    m_recommendation = CentredText(QStringLiteral("StaticTextRecomendation"), 24, Colours::Hint,
                                   QRect(8, 110, 601, 90), this);

    m_continue = new PictureButton(2, GlyphLayout::Left, this);
    m_continue->setObjectName(QStringLiteral("BitBtnContinue"));
    m_cancel = new PictureButton(1, GlyphLayout::Left, this);
    m_cancel->setObjectName(QStringLiteral("BitBtnCancel"));
    m_cancel->setGeometry(CancelLeft, ButtonTop, ButtonWidth, ButtonHeight);
    m_cancel->setDefault(true);
    for (PictureButton *button : {m_continue, m_cancel})
        button->setFont(ArialPx(17, Bold));
    connect(m_continue, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { done(ModalResult::Cancel); });
    BindButtonFaces(this, &m_images, &m_captions);
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

void TFormOkMessage::showEvent(QShowEvent *event)
{
    m_continue->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

void TFormOkMessage::keyPressEvent(QKeyEvent *event)
{
    // "Отказаться" is the cancel button: Esc chooses it while it is shown.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!m_cancel->isHidden())
            done(ModalResult::Cancel);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormOkMessage::reject()
{
    done(ModalResult::Cancel);
}

} // namespace orva
