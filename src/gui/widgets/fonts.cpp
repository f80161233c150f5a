#include "widgets/fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

namespace orva {

QFont PixelFont(const QString &family, int pixels, int style)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    return font;
}

QFont ArialPx(int pixels, int style)
{
    return PixelFont(QStringLiteral("Arial"), pixels, style);
}

QFont CourierNewPx(int pixels, int style)
{
    return PixelFont(QStringLiteral("Courier New"), pixels, style);
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetFittedText(QLabel *label, const QString &text, int largestPixels, int smallestPixels)
{
    QFont font = label->font();
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    int pixels = largestPixels;
    for (; pixels > smallestPixels; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setText(text);
}

} // namespace orva
