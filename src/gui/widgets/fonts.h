#pragma once

#include <QFont>

class QLabel;

namespace orva {

enum FontStyle { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

// A font of the given family and pixel size.
QFont PixelFont(const QString &family, int pixels, int style = Plain);
// The families the windows name; fontconfig resolves them to metric-compatible faces.
QFont ArialPx(int pixels, int style = Plain);
QFont CourierNewPx(int pixels, int style = Plain);

// Puts the text into the label in its font at `largestPixels` or, when the word-wrapped text does not fit
// the label's box so, in the largest smaller size (down to `smallestPixels`) with which it fits: a long
// message stays whole instead of losing its last words.
void SetFittedText(QLabel *label, const QString &text, int largestPixels, int smallestPixels = 11);

// Sets the colour the widget's text is drawn in.
void SetTextColour(QWidget *widget, const QColor &colour);

} // namespace orva
