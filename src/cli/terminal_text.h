#pragma once

#include <QString>

namespace orva::cli {

// A text from a file (a device name, a value, a file name) as the text outputs print it. A text with
// control or format characters (ESC, CR, a tab, a right-to-left override, ...) would act on the terminal
// or break the output's columns; it is printed in double quotes with those characters, "\" and "\""
// escaped, as git quotes such names: "\033[2J", "\t", "\u202E". Any other text is printed as it is.
QString TerminalText(const QString &text);

} // namespace orva::cli
