#pragma once

#include <QString>
#include <QStringView>

namespace orva {

// Removes leading and trailing blanks and control characters (every character up to U+0020).
QString TrimBlanksAndControls(QStringView text);

// Lower-cases the ASCII letters A..Z only; every other character stays as it is.
QString LowerAsciiLetters(QStringView text);
// The same in place; a text without A..Z is left untouched (and unshared).
void LowerAsciiLettersInPlace(QString &text);

// The text as the editor's text buffer hands it to the lexer: every lone CR and every lone LF becomes
// CR LF, existing CR LF pairs stay, nothing is added at the end.
QString NormalizeLineBreaks(QStringView text);
// The same; a text that needs no change is handed back as it is, without a copy.
QString NormalizeLineBreaks(const QString &text);

} // namespace orva
