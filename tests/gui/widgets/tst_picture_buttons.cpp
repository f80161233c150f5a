// Button faces (picture, frame, caption) and the focus colouring by kind of control.
#include "widgets/button_pictures.h"
#include "widgets/caption_group.h"
#include "widgets/colours.h"
#include "widgets/focus_colouring.h"
#include "widgets/picture_button.h"
#include "widgets/static_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace orva;

namespace {

QPixmap Picture(const QColor &background, const QColor &ink)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(background);
    for (int i = 4; i < 12; ++i)
        image.setPixelColor(i, i, ink);
    return QPixmap::fromImage(image);
}

const CaptionTable Captions{QString(), QStringLiteral("Первая"), QStringLiteral("Вторая"),
                            QStringLiteral("Третья")};

// True when some pixel of the rectangle differs from the colour (text or picture drawn there).
bool HasInk(const QImage &image, const QRect &rect, const QColor &colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixelColor(x, y) != colour)
                return true;
        }
    }
    return false;
}

// A control of the kind a test row names ("edit", "list", "combo", "check", "radio", else a label).
QWidget *MakeControl(const QString &kind, QWidget *parent = nullptr)
{
    if (kind == QStringLiteral("edit"))
        return new QLineEdit(QStringLiteral("12"), parent);
    if (kind == QStringLiteral("list"))
        return new QListWidget(parent);
    if (kind == QStringLiteral("combo"))
        return new QComboBox(parent);
    if (kind == QStringLiteral("check"))
        return new QCheckBox(QStringLiteral("Тревога"), parent);
    if (kind == QStringLiteral("radio"))
        return new QRadioButton(QStringLiteral("обычный"), parent);
    return new QLabel(QStringLiteral("Подпись"), parent);
}

} // namespace

class PictureButtonsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAreBuiltIn();
    void faceWithPicture();
    void faceWithoutPicture_data();
    void faceWithoutPicture();
    void tagZeroIsNeverPainted();
    void faceDrawnWhileDisabledKeepsItsCaptionColour();
    void repaintFollowsTheFocus();
    void aWindowPaintsOnlyItsOwnButtons();
    void highlightByKind_data();
    void highlightByKind();
    void highlightOnRenderedPixels_data();
    void highlightOnRenderedPixels();
    void staticTextIsNeverRecoloured();
    void givenColour();
    void groupCaptionFollowsEnabling();
};

void PictureButtonsTest::picturesAreBuiltIn()
{
    for (const char *name : {"open", "print", "device", "save", "default", "config", "cancel", "apply",
                             "continue", "fix", "open_file", "open_manual", "link"})
        QVERIFY2(!ButtonPicture(QString::fromLatin1(name)).isNull(), name);
    QVERIFY(ButtonPicture(QStringLiteral("no such picture")).isNull());
}

void PictureButtonsTest::faceWithPicture()
{
    const QColor key(10, 20, 200);
    const ImageList images{Picture(Qt::white, Qt::black), Picture(key, Qt::black)};
    PictureButton button(2, GlyphLayout::Top);
    button.setText(QStringLiteral("resource caption"));
    button.resize(100, 67);
    PaintButtonFace(&button, images, Colours::Focused, CaptionOf(Captions, 2));

    const QImage face = button.face().toImage();
    QCOMPARE(face.size(), QSize(94, 61));
    // A 2-pixel frame in the picture's background colour around the face colour.
    QCOMPARE(face.pixelColor(0, 0), key);
    QCOMPARE(face.pixelColor(1, 60), key);
    QCOMPARE(face.pixelColor(2, 2), Colours::Focused);
    // The picture sits at top 6, centred; its background is transparent, its ink is drawn.
    QCOMPARE(face.pixelColor(39, 6), Colours::Focused);
    QCOMPARE(face.pixelColor(39 + 4, 6 + 4), QColor(Qt::black));
    // The caption is drawn below the picture; the button's own text is gone.
    QVERIFY(HasInk(face, QRect(3, 24, 88, 34), Colours::Focused));
    QVERIFY(button.text().isEmpty());
    QCOMPARE(button.accessibleName(), QStringLiteral("Вторая"));
}

void PictureButtonsTest::faceWithoutPicture_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("caption");
    QTest::newRow("negative tag (GPRS key buttons)") << -2 << QStringLiteral("Вторая");
    QTest::newRow("more tags than pictures") << 3 << QStringLiteral("Третья");
}

void PictureButtonsTest::faceWithoutPicture()
{
    QFETCH(int, tag);
    QFETCH(QString, caption);
    const ImageList images{Picture(Qt::white, Qt::black), Picture(Qt::white, Qt::black)};
    PictureButton button(tag, GlyphLayout::Left);
    button.resize(120, 40);
    PaintNormalFace(&button, images, CaptionOf(Captions, tag));
    const QImage face = button.face().toImage();
    QCOMPARE(face.pixelColor(0, 0), Colours::MissingPicture);
    QCOMPARE(face.pixelColor(1, 1), Colours::MissingPicture);
    QCOMPARE(face.pixelColor(2, 2), ButtonFaceColour());
    QVERIFY(HasInk(face, QRect(3, 3, 108, 28), ButtonFaceColour()));
    QCOMPARE(button.accessibleName(), caption);
}

void PictureButtonsTest::tagZeroIsNeverPainted()
{
    PictureButton button(0, GlyphLayout::Left);
    button.setText(QStringLiteral("own"));
    PaintFocusedFace(&button, {}, QStringLiteral("x"));
    QVERIFY(button.face().isNull());
    QCOMPARE(button.text(), QStringLiteral("own"));
}

void PictureButtonsTest::faceDrawnWhileDisabledKeepsItsCaptionColour()
{
    QWidget window;
    auto *enabled = new PictureButton(-2, GlyphLayout::Left, &window);
    auto *disabled = new PictureButton(-2, GlyphLayout::Left, &window);
    for (PictureButton *button : {enabled, disabled})
        button->resize(120, 40);
    disabled->setEnabled(false);
    PaintNormalFace(enabled, {}, CaptionOf(Captions, -2));
    PaintNormalFace(disabled, {}, CaptionOf(Captions, -2));
    QCOMPARE(disabled->face().toImage(), enabled->face().toImage());
}

void PictureButtonsTest::repaintFollowsTheFocus()
{
    QWidget window;
    auto *first = new PictureButton(1, GlyphLayout::Left, &window);
    auto *second = new PictureButton(-2, GlyphLayout::Left, &window);
    first->setGeometry(0, 0, 100, 40);
    second->setGeometry(0, 50, 100, 40);
    const ImageList images{Picture(Qt::white, Qt::black)};
    BindButtonFaces(&window, &images, &Captions);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    first->setFocus();
    RepaintButtons(&window, images, Captions);
    QCOMPARE(first->face().toImage().pixelColor(2, 2), Colours::Focused);
    QCOMPARE(second->face().toImage().pixelColor(2, 2), ButtonFaceColour());
    QCOMPARE(second->accessibleName(), QStringLiteral("Вторая"));

    // Entering the other button swaps the faces.
    second->setFocus();
    QCOMPARE(first->face().toImage().pixelColor(2, 2), ButtonFaceColour());
    QCOMPARE(second->face().toImage().pixelColor(2, 2), Colours::Focused);
}

// The dialogs are children of the main window: the window's faces and captions never reach their
// buttons, which keep their own (a screen reader must not hear "Открыть" on a hidden "Отказаться").
void PictureButtonsTest::aWindowPaintsOnlyItsOwnButtons()
{
    QWidget window;
    auto *own = new PictureButton(1, GlyphLayout::Left, &window);
    own->setGeometry(0, 0, 100, 40);
    auto *dialog = new QDialog(&window);
    auto *dialogButton = new PictureButton(1, GlyphLayout::Left, dialog);
    dialogButton->setGeometry(0, 0, 100, 40);
    const ImageList images{Picture(Qt::white, Qt::black)};
    const CaptionTable dialogCaptions{QString(), QStringLiteral("Отказаться")};
    RepaintButtons(dialog, images, dialogCaptions);
    BindButtonFaces(&window, &images, &Captions);
    RepaintButtons(&window, images, Captions);
    QCOMPARE(WindowButtons(&window), QList<PictureButton *>{own});
    QCOMPARE(own->accessibleName(), QStringLiteral("Первая"));
    QCOMPARE(dialogButton->accessibleName(), QStringLiteral("Отказаться"));
}

void PictureButtonsTest::highlightByKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("windowColoured");
    QTest::newRow("masked edit") << QStringLiteral("edit") << true;
    QTest::newRow("list box") << QStringLiteral("list") << true;
    QTest::newRow("combo box") << QStringLiteral("combo") << true;
    QTest::newRow("check box") << QStringLiteral("check") << false;
    QTest::newRow("radio button") << QStringLiteral("radio") << false;
    QTest::newRow("label") << QStringLiteral("label") << false;
}

void PictureButtonsTest::highlightByKind()
{
    QFETCH(QString, kind);
    QFETCH(bool, windowColoured);
    std::unique_ptr<QWidget> control(MakeControl(kind));

    HighlightFocus(control.get(), HighlightMode::Focused);
    QCOMPARE(HighlightedColour(control.get()), Colours::Focused);
    HighlightFocus(control.get(), HighlightMode::Unfocused);
    QCOMPARE(HighlightedColour(control.get()), windowColoured ? WindowColour() : ButtonFaceColour());
}

// What the user sees: the control drawn on its page is yellow while focused, and looks exactly as an
// untouched one once left (a check box or radio button keeps no band of another colour), also when it
// is disabled (a learned key's field).
void PictureButtonsTest::highlightOnRenderedPixels_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("text field") << QStringLiteral("edit") << true;
    QTest::newRow("disabled edit") << QStringLiteral("edit") << false;
    QTest::newRow("list box") << QStringLiteral("list") << true;
    QTest::newRow("combo box") << QStringLiteral("combo") << true;
    QTest::newRow("check box") << QStringLiteral("check") << true;
    QTest::newRow("radio button") << QStringLiteral("radio") << true;
    QTest::newRow("label") << QStringLiteral("label") << true;
}

void PictureButtonsTest::highlightOnRenderedPixels()
{
    QFETCH(QString, kind);
    QFETCH(bool, enabled);
    QWidget page;
    page.resize(300, 200);
    QWidget *control = MakeControl(kind, &page);
    control->setGeometry(10, 10, 200, 60);
    control->setEnabled(enabled);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QImage untouched = control->grab().toImage();

    const auto yellow = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() >= 230 && c.green() >= 230 && c.blue() <= 70 ? 1 : 0;
            }
        }
        return count;
    };
    HighlightFocus(control, HighlightMode::Focused);
    QVERIFY(yellow(control->grab().toImage()) > 200);
    HighlightFocus(control, HighlightMode::Unfocused);
    QCOMPARE(control->grab().toImage(), untouched);
}

void PictureButtonsTest::staticTextIsNeverRecoloured()
{
    StaticText text;
    const QPalette before = text.palette();
    HighlightFocus(&text, HighlightMode::Focused);
    QCOMPARE(text.palette(), before);
    QVERIFY(!IsHighlightable(&text));
}

void PictureButtonsTest::givenColour()
{
    QLineEdit edit;
    HighlightFocus(&edit, HighlightMode::Given, QColor(1, 2, 3));
    QCOMPARE(HighlightedColour(&edit), QColor(1, 2, 3));
}

void PictureButtonsTest::groupCaptionFollowsEnabling()
{
    CaptionGroup group(QStringLiteral("Группа"));
    QCOMPARE(group.captionColour(), Colours::GroupEnabled);
    group.setEnabled(false);
    QCOMPARE(group.captionColour(), Colours::GroupDisabled);
}

QTEST_MAIN(PictureButtonsTest)
#include "tst_picture_buttons.moc"
