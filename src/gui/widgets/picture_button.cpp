#include "widgets/picture_button.h"

#include "widgets/colours.h"

#include <QBitmap>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include <cstdlib>

namespace orva {
namespace {

constexpr int FaceInset = 6;  // the face is this much narrower and lower than the button
constexpr int FrameWidth = 2; // the frame around the face colour

// Rectangle of the caption box, of the size the text needs, placed beside / below / above the picture
// and centred in the room that is left.
QRect CaptionRect(const QSize &faceSize, const QSize &picture, GlyphLayout layout, const QSize &textSize,
                  const QPoint &pictureAt)
{
    switch (layout) {
    case GlyphLayout::Left: {
        const int left = pictureAt.x() + picture.width();
        const int room = faceSize.width() - left;
        return QRect(left + (room - textSize.width()) / 2, (faceSize.height() - textSize.height()) / 2,
                     textSize.width(), textSize.height());
    }
    case GlyphLayout::Right: {
        const int room = faceSize.width() - picture.width() - 4;
        return QRect((room - textSize.width()) / 2, (faceSize.height() - textSize.height()) / 2,
                     textSize.width(), textSize.height());
    }
    case GlyphLayout::Top: {
        const int top = pictureAt.y() + picture.height();
        const int room = faceSize.height() - top;
        return QRect((faceSize.width() - textSize.width()) / 2, top + (room - textSize.height()) / 2,
                     textSize.width(), textSize.height());
    }
    case GlyphLayout::Bottom: {
        const int room = faceSize.height() - picture.height() - 6;
        return QRect((faceSize.width() - textSize.width()) / 2, (room - textSize.height()) / 2,
                     textSize.width(), textSize.height());
    }
    }
    return {};
}

QPoint PicturePosition(const QSize &faceSize, const QSize &picture, GlyphLayout layout, bool withCaption)
{
    if (!withCaption)
        return {(faceSize.width() - picture.width()) / 2, (faceSize.height() - picture.height()) / 2};
    switch (layout) {
    case GlyphLayout::Left:
        return {4, (faceSize.height() - picture.height()) / 2};
    case GlyphLayout::Right:
        return {faceSize.width() - picture.width() - 4, (faceSize.height() - picture.height()) / 2};
    case GlyphLayout::Top:
        return {(faceSize.width() - picture.width()) / 2, 6};
    case GlyphLayout::Bottom:
        return {(faceSize.width() - picture.width()) / 2, faceSize.height() - picture.height() - 6};
    }
    return {};
}

// Keeps its own (shared) copies of the pictures and captions: while a window is destroyed, its members
// go before its child buttons, whose last focus changes still reach this filter.
class ButtonFaceBinder : public QObject
{
public:
    ButtonFaceBinder(QWidget *window, const ImageList &images, const CaptionTable &captions)
        : QObject(window), m_images(images), m_captions(captions)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = qobject_cast<PictureButton *>(watched);
        if (button && event->type() == QEvent::FocusIn)
            PaintFocusedFace(button, m_images, CaptionOf(m_captions, button->tag()));
        else if (button && event->type() == QEvent::FocusOut)
            PaintNormalFace(button, m_images, CaptionOf(m_captions, button->tag()));
        return false;
    }

private:
    const ImageList m_images;
    const CaptionTable m_captions;
};

} // namespace

PictureButton::PictureButton(int tag, GlyphLayout layout, QWidget *parent)
    : QPushButton(parent), m_tag(tag), m_layout(layout)
{}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button, as Space does.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PictureButton::setFace(const QPixmap &face)
{
    m_face = face;
    setIcon(QIcon(face));
    setIconSize(face.size());
}

void PaintButtonFace(PictureButton *button, const ImageList &images, const QColor &face,
                     const QString &caption)
{
    if (!button || button->tag() == 0)
        return;
    button->setText(QString());
    button->setAccessibleName(caption);
    const QSize size(qMax(1, button->width() - FaceInset), qMax(1, button->height() - FaceInset));
    QPixmap bitmap(size);
    QPainter painter(&bitmap);
    const QRect inner = QRect(QPoint(0, 0), size).adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);

    const int tag = button->tag();
    QPixmap picture;
    if (tag > 0 && images.size() >= tag)
        picture = images.at(tag - 1);
    const QPoint pictureAt = PicturePosition(size, picture.size(), button->glyphLayout(), !caption.isEmpty());
    if (!picture.isNull()) {
        const QColor background = picture.toImage().pixelColor(0, 0);
        painter.fillRect(bitmap.rect(), background);
        painter.fillRect(inner, face);
        // The picture's background colour is its transparent colour.
        QPixmap transparent = picture;
        transparent.setMask(picture.createMaskFromColor(background, Qt::MaskInColor));
        painter.drawPixmap(pictureAt, transparent);
    } else {
        painter.fillRect(bitmap.rect(), Colours::MissingPicture);
        painter.fillRect(inner, face);
    }

    if (!caption.isEmpty()) {
        painter.setFont(button->font());
        // The face is kept until it is drawn again: a button painted while disabled (the GPRS key buttons
        // with GPRS off) must not keep a greyed caption once enabled. The platform greys a disabled
        // button's picture itself.
        painter.setPen(button->palette().color(QPalette::Active, QPalette::ButtonText));
        const bool beside =
            button->glyphLayout() == GlyphLayout::Left || button->glyphLayout() == GlyphLayout::Right;
        const int boxWidth = qMax(1, size.width() - (beside ? picture.width() : 0) - 2 * FrameWidth);
        const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
        const QRect needed = painter.boundingRect(QRect(0, 0, boxWidth, size.height()), flags, caption);
        const QRect box = CaptionRect(size, picture.size(), button->glyphLayout(), needed.size(), pictureAt);
        painter.drawText(box, flags, caption);
    }
    painter.end();
    button->setFace(bitmap);
}

void PaintFocusedFace(PictureButton *button, const ImageList &images, const QString &caption)
{
    PaintButtonFace(button, images, Colours::Focused, caption);
}

void PaintNormalFace(PictureButton *button, const ImageList &images, const QString &caption)
{
    PaintButtonFace(button, images, ButtonFaceColour(), caption);
}

QString CaptionOf(const CaptionTable &captions, int tag)
{
    const int index = std::abs(tag);
    return index < captions.size() ? captions.at(index) : QString();
}

QList<PictureButton *> WindowButtons(QWidget *window)
{
    // Dialogs are children of the main window: their buttons belong to them, with their own captions.
    QList<PictureButton *> own;
    const auto buttons = window->findChildren<PictureButton *>();
    for (PictureButton *button : buttons) {
        if (button->window() == window)
            own.append(button);
    }
    return own;
}

void RepaintButtons(QWidget *window, const ImageList &images, const CaptionTable &captions)
{
    const auto buttons = WindowButtons(window);
    for (PictureButton *button : buttons) {
        if (button->tag() == 0)
            continue;
        const QString caption = CaptionOf(captions, button->tag());
        if (button->hasFocus())
            PaintFocusedFace(button, images, caption);
        else
            PaintNormalFace(button, images, caption);
    }
}

void BindButtonFaces(QWidget *window, const ImageList *images, const CaptionTable *captions)
{
    auto *binder = new ButtonFaceBinder(window, *images, *captions);
    const auto buttons = WindowButtons(window);
    for (PictureButton *button : buttons)
        button->installEventFilter(binder);
}

} // namespace orva
