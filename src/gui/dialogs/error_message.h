#pragma once

#include "dialogs/message_box_base.h"

namespace orva {

class StaticText;

// The error box: a headline, a hint that says what to do, and up to three buttons: "Продолжить" (1),
// "Установить \"по-умолчанию\"" (1, in the same place) and "Исправить" (4; Enter and Esc choose it).
// Closing the window gives 2.
class TFormErrorMessage : public MessageBoxBase
{
    Q_OBJECT
public:
    explicit TFormErrorMessage(QWidget *parent = nullptr);

    // Both texts; "Исправить" visible with `fix`, "Продолжить" with `cont`; the default button hidden.
    void SetMessages(const QString &message, const QString &recommendation, bool fix, bool cont);
    // For a rejected value: "Исправить" visible, "Продолжить" hidden, the default button visible when
    // `offerDefault` is set.
    void SetErrorContinue(const QString &message, const QString &recommendation, bool offerDefault);

private:
    StaticText *m_message;
    StaticText *m_recommendation;
    PictureButton *m_continue;
    PictureButton *m_default;
    PictureButton *m_fix;
};

} // namespace orva
