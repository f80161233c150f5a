#include "dialogs/error_message.h"

#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include <QLabel>

namespace orva {
namespace {

constexpr int MessagePixels = 19; // the headline's and the hint's font size when they fit
constexpr int ButtonPixels = 15;

QLabel *Heading(const QString &text, const QColor &colour, const QPoint &at, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(ArialPx(21, Bold | Underline));
    SetTextColour(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TFormErrorMessage::TFormErrorMessage(QWidget *parent)
    : MessageBoxBase(
          parent, QStringLiteral("FormErrorMessage"), QStringLiteral("Ошибка"), QSize(615, 282),
          QColor(255, 255, 150),
          MakeImageList({QStringLiteral("default"), QStringLiteral("continue"), QStringLiteral("fix")}),
          {QString(), QStringLiteral("Установить \"по-умолчанию\""), QStringLiteral("Продолжить"),
           QStringLiteral("Исправить")})
{
    const Qt::Alignment textAlignment = Qt::AlignLeft | Qt::AlignTop;
    Heading(QStringLiteral("Ошибка:"), QColor(255, 0, 0), QPoint(8, 4), this);
    m_message =
        AddText(QStringLiteral("ST_Message"), QRect(7, 32, 601, 73), MessagePixels, textAlignment, Qt::black);
    Heading(QStringLiteral("Рекомендация:"), QColor(0, 128, 0), QPoint(8, 108), this);
    m_recommendation = AddText(QStringLiteral("ST_Recomendation"), QRect(7, 136, 601, 73), MessagePixels,
                               textAlignment, Colours::Hint);

    m_continue =
        AddButton(QStringLiteral("B_Continue"), 2, QRect(8, 214, 220, 60), ButtonPixels, ModalResult::Ok);
    m_default =
        AddButton(QStringLiteral("B_Default"), 1, QRect(8, 214, 330, 60), ButtonPixels, ModalResult::Ok);
    m_fix =
        AddButton(QStringLiteral("B_Cancel"), 3, QRect(387, 214, 220, 60), ButtonPixels, ModalResult::Retry);
    m_fix->setDefault(true);
    // "Исправить" is the cancel button: Esc chooses it while it is there, and does nothing otherwise.
    FinishButtons({m_fix, m_continue, m_default}, m_fix, ModalResult::Retry);
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

} // namespace orva
