#include "fonts.h"

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

} // namespace orva
