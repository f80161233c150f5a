#pragma once

#include "report_canvas.h"

#include <QString>
#include <QStringList>

namespace orva {

// `text` broken into lines at most `width` wide in `style`; the lines joined give `text` back, so the
// paper holds every character of a value however long it is. A line ends after the last blank or
// separator ("," "." "-" "/" ":" "@" "_") that lets it fit, else after the last character that fits;
// blanks at a line's end do not count against the width. Every line holds at least one character, so
// a width narrower than one character gives one character a line. A text that fits is one line.
QStringList WrapText(const ReportCanvas &canvas, const QString &text, int width, FontStyle style);

} // namespace orva
