#include "dialogs/message_box_base.h"

#include "dialogs/modal_result.h"
#include "widgets/control_builders.h"
#include "widgets/focus_binding.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include <QKeyEvent>

namespace orva {

MessageBoxBase::MessageBoxBase(QWidget *parent, const QString &name, const QString &title, const QSize &size,
                               const QColor &background, const ImageList &images,
                               const CaptionTable &captions)
    : QDialog(parent), m_images(images), m_captions(captions)
{
    setObjectName(name);
    setWindowTitle(title);
    setFixedSize(size);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
}

StaticText *MessageBoxBase::AddText(const QString &name, const QRect &geometry, int pixels,
                                    Qt::Alignment alignment, const QColor &colour)
{
    auto *text = new StaticText(this);
    text->setObjectName(name);
    text->setGeometry(geometry);
    text->setFont(ArialPx(pixels, Bold | Italic));
    text->setWordWrap(true);
    text->setAlignment(alignment);
    SetTextColour(text, colour);
    return text;
}

PictureButton *MessageBoxBase::AddButton(const QString &name, int tag, const QRect &geometry, int pixels,
                                         int result)
{
    PictureButton *button = MakePictureButton(this, name, tag, GlyphLayout::Left, geometry);
    button->setFont(ArialPx(pixels, Bold));
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void MessageBoxBase::FinishButtons(const QList<PictureButton *> &focusOrder, PictureButton *cancel,
                                   int cancelResult)
{
    m_focusOrder = focusOrder;
    m_cancel = cancel;
    m_cancelResult = cancelResult;
    BindButtonFaces(this, &m_images, &m_captions);
    BindFocus(this);
}

void MessageBoxBase::showEvent(QShowEvent *event)
{
    for (PictureButton *button : std::as_const(m_focusOrder)) {
        if (!button->isHidden()) {
            button->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

void MessageBoxBase::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancel && !m_cancel->isHidden() && m_cancel->isEnabled())
            done(m_cancelResult);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageBoxBase::reject()
{
    done(ModalResult::Cancel);
}

} // namespace orva
