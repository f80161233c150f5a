#pragma once

#include "dialogs/message_box_base.h"

namespace orva {

class StaticText;

// The information box: a message, a second line, "Продолжить" (1) and, when offered, "Отказаться" (2,
// also Esc). Closing the window gives 2; callers take only 1 as consent.
class TFormOkMessage : public MessageBoxBase
{
    Q_OBJECT
public:
    explicit TFormOkMessage(QWidget *parent = nullptr);

    // Both texts; with `offerCancel` "Отказаться" is shown and "Продолжить" moves to the right (left
    // 328), without it "Отказаться" is hidden and "Продолжить" is centred (left 184).
    void SetMessages(const QString &message, const QString &recommendation, bool offerCancel);

private:
    StaticText *m_message;
    StaticText *m_recommendation;
    PictureButton *m_continue;
    PictureButton *m_cancel;
};

} // namespace orva
