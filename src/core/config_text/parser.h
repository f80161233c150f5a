#pragma once

#include "device_model/command.h"
#include "device_model/device.h"
#include "lexer.h"

namespace orva {

// Reads the whole text loaded into `lexer` into `model`. Never fails: a command it cannot read is
// skipped and its record keeps what it held. The caller resets the model first; the version text is
// the only thing the parser empties itself.
void ParseConfiguration(T_Command &scratch, TLexPipe &lexer, T_Command_DEVICE &model);

// The command table row whose code begins the lexeme's text (followed by nothing or a digit), or 0.
// Lower-cases the letters A..Z of the lexeme's text in place.
quint8 IsCommandWord(TLexema &lexeme);

// The instance number the lexeme's text carries after the row's code: 0 for single-instance rows,
// -1 when the rest is empty, not all digits, or outside the row's instances.
qint32 CommandInstance(const TLexema &lexeme, quint8 row);

// Range defaults and the per-command rules, then the scratch record is moved into the model: the
// scratch holds nothing of use afterwards.
void ApplyCommand(T_Command &scratch, T_Command_DEVICE &model);

// Loads `text` (with CR LF line ends, see NormalizeLineBreaks) into a fresh lexer and parses it into
// `model`. The model is not reset here. Returns false when the text ended early, at a NUL character
// the lexer met between lexemes: the rest was not read.
bool ParseConfigurationText(const QString &text, T_Command_DEVICE &model);

} // namespace orva
