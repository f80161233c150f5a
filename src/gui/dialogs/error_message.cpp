#include "dialogs/error_message.h"

#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include <QKeyEvent>
#include <QLabel>

namespace orva {
namespace {

constexpr int MessagePixels = 19; // the headline's and the hint's font size when they fit

QLabel *Heading(const QString &text, const QColor &colour, const QPoint &at, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(ArialPx(21, Bold | Underline));
    SetTextColour(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

StaticText *MessageText(const QString &name, const QColor &colour, int top, QWidget *parent)
{
    auto *text = new StaticText(parent);
    text->setObjectName(name);
    text->setGeometry(7, top, 601, 73);
    text->setFont(ArialPx(MessagePixels, Bold | Italic));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(text, colour);
    return text;
}

PictureButton *BoxButton(const QString &name, int tag, const QRect &geometry, int result, QDialog *box)
{
    auto *button = new PictureButton(tag, GlyphLayout::Left, box);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(ArialPx(15, Bold));
    QObject::connect(button, &QPushButton::clicked, box, [box, result] { box->done(result); });
    return button;
}

} // namespace

TFormErrorMessage::TFormErrorMessage(QWidget *parent)
    : QDialog(parent),
      m_images(MakeImageList({QStringLiteral("default"), QStringLiteral("continue"), QStringLiteral("fix")})),
      m_captions({QString(), QStringLiteral("Установить \"по-умолчанию\""), QStringLiteral("Продолжить"),
                  QStringLiteral("Исправить")})
{
    setObjectName(QStringLiteral("FormErrorMessage"));
    setWindowTitle(QStringLiteral("Ошибка"));
    setFixedSize(615, 282);
    setAutoFillBackground(true);

    Heading(QStringLiteral("Ошибка:"), QColor(255, 0, 0), QPoint(8, 4), this);
    m_message = MessageText(QStringLiteral("ST_Message"), Qt::black, 32, this);
    Heading(QStringLiteral("Рекомендация:"), QColor(0, 128, 0), QPoint(8, 108), this);
    m_recommendation = MessageText(QStringLiteral("ST_Recomendation"), Colours::Hint, 136, this);

    m_continue = BoxButton(QStringLiteral("B_Continue"), 2, QRect(8, 214, 220, 60), ModalResult::Ok, this);
    m_default = BoxButton(QStringLiteral("B_Default"), 1, QRect(8, 214, 330, 60), ModalResult::Ok, this);
    m_fix = BoxButton(QStringLiteral("B_Cancel"), 3, QRect(387, 214, 220, 60), ModalResult::Retry, this);
    m_fix->setDefault(true);
    BindButtonFaces(this, &m_images, &m_captions);
    SetMessages(QString(), QString(), true, false);
}

void TFormErrorMessage::SetMessages(const QString &message, const QString &recommendation, bool fix,
                                    bool cont)
{
    SetFittedText(m_message, message, MessagePixels);
    SetFittedText(m_recommendation, recommendation, MessagePixels);
    m_fix->setVisible(fix);
    m_continue->setVisible(cont);
    m_default->setVisible(false);
}

void TFormErrorMessage::SetErrorContinue(const QString &message, const QString &recommendation,
                                         bool offerDefault)
{
    SetFittedText(m_message, message, MessagePixels);
    SetFittedText(m_recommendation, recommendation, MessagePixels);
    m_fix->setVisible(true);
    m_continue->setVisible(false);
    m_default->setVisible(offerDefault);
}

void TFormErrorMessage::showEvent(QShowEvent *event)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(255, 255, 150));
    setPalette(background);
    for (PictureButton *button : {m_fix, m_continue, m_default}) {
        if (!button->isHidden()) {
            button->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

void TFormErrorMessage::keyPressEvent(QKeyEvent *event)
{
    // "Исправить" is the cancel button: Esc chooses it while it is there, and does nothing otherwise.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!m_fix->isHidden() && m_fix->isEnabled())
            done(ModalResult::Retry);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormErrorMessage::reject()
{
    done(ModalResult::Cancel);
}

} // namespace orva
