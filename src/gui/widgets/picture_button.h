#pragma once

#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

namespace orva {

// Where a button's picture sits relative to its caption.
enum class GlyphLayout { Left, Right, Top, Bottom };

// A window's pictures for its picture buttons: the button with tag t shows picture t - 1.
using ImageList = QList<QPixmap>;
// A window's button captions, indexed by |tag| (entry 0 unused).
using CaptionTable = QStringList;

// A large button whose face (picture, 2-pixel frame and caption) the program draws itself. The tag
// selects the picture (positive tags only) and the caption (|tag|); tag 0 is never painted.
class PictureButton : public QPushButton
{
    Q_OBJECT
public:
    PictureButton(int tag, GlyphLayout layout, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    GlyphLayout glyphLayout() const { return m_layout; }
    // The face last drawn (what the user sees inside the button's bevel).
    QPixmap face() const { return m_face; }

    // Makes `face` the button's picture; PaintButtonFace calls it.
    void setFace(const QPixmap &face);

protected:
    // Enter presses the focused button as Space does (also outside dialogs).
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_tag = 0;
    GlyphLayout m_layout = GlyphLayout::Left;
    QPixmap m_face;
};

// Draws the face: picture tag - 1 of `images` on a frame of the picture's top-left colour, or, without
// a picture (tag 0 or negative, or too few pictures), a red frame; then the caption word-wrapped beside,
// below or above the picture. The button's own text is emptied. Nothing happens for tag 0.
void PaintButtonFace(PictureButton *button, const ImageList &images, const QColor &face,
                     const QString &caption);
void PaintFocusedFace(PictureButton *button, const ImageList &images, const QString &caption);
void PaintNormalFace(PictureButton *button, const ImageList &images, const QString &caption);

// Entry |tag| of the caption table, or an empty text when the table is shorter.
QString CaptionOf(const CaptionTable &captions, int tag);

// The picture buttons of the window itself, not those of the dialogs it owns.
QList<PictureButton *> WindowButtons(QWidget *window);

// Redraws every picture button of the window with a non-zero tag: the focused face for the button that
// has the focus, the normal face for the others.
void RepaintButtons(QWidget *window, const ImageList &images, const CaptionTable &captions);

// Keeps the faces of the window's picture buttons in step with the focus: the focused face when a button
// is entered, the normal face when it is left. The images and captions are copied.
void BindButtonFaces(QWidget *window, const ImageList *images, const CaptionTable *captions);

} // namespace orva
