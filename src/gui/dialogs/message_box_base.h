#pragma once

#include "widgets/picture_button.h"

#include <QDialog>

namespace orva {

class StaticText;

// What the error box and the information box share: a fixed window of one background colour, wrapped
// bold italic texts, picture buttons that end the box with their modal result and whose faces follow
// the focus, the first shown of the buttons taking the focus when the box opens, Esc choosing the
// box's cancel button while it is there (and doing nothing otherwise), and closing the window giving 2.
class MessageBoxBase : public QDialog
{
    Q_OBJECT
public:
    void reject() override;

protected:
    MessageBoxBase(QWidget *parent, const QString &name, const QString &title, const QSize &size,
                   const QColor &background, const ImageList &images, const CaptionTable &captions);

    StaticText *AddText(const QString &name, const QRect &geometry, int pixels, Qt::Alignment alignment,
                        const QColor &colour);
    PictureButton *AddButton(const QString &name, int tag, const QRect &geometry, int pixels, int result);
    // Once the buttons exist: the first shown of `focusOrder` takes the focus when the box opens, and
    // Esc gives `cancelResult` while `cancel` is shown and enabled.
    void FinishButtons(const QList<PictureButton *> &focusOrder, PictureButton *cancel, int cancelResult);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ImageList m_images;
    CaptionTable m_captions;
    QList<PictureButton *> m_focusOrder;
    PictureButton *m_cancel = nullptr;
    int m_cancelResult = 0;
};

} // namespace orva
