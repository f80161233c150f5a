#pragma once

#include <QFont>

namespace orva {

enum FontStyle { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

// A font of the given family and pixel size.
QFont PixelFont(const QString &family, int pixels, int style = Plain);
// The families the windows name; fontconfig resolves them to metric-compatible faces.
QFont ArialPx(int pixels, int style = Plain);
QFont CourierNewPx(int pixels, int style = Plain);

// Sets the colour the widget's text is drawn in.
void SetTextColour(QWidget *widget, const QColor &colour);

} // namespace orva
