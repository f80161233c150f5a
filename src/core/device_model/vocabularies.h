#pragma once

#include "device.h"

#include <QString>

namespace orva {

// Display texts and picture names of loop modes, relay modes (named in modes.h, their rows in mode_rows.h)
// and key types. Picture names are relative to the program's folder and written as the panel's users know
// them ("Image\GuardDelay.jpg"); PicturePath() turns one into a path under a given folder.

QString LoopPicture(const T_Command_DEVICE &model, int loop);
QString LoopModeText(const T_Command_DEVICE &model, int loop);
QString RelayPicture(const T_Command_DEVICE &model, int relay);
QString RelayModeText(const T_Command_DEVICE &model, int relay);

// 0 plain key, 1 duress key ("!" first), 2 patrol key ("*" first).
int KeyType(const T_Command_DEVICE &model, int key);
// The alias without its type mark (a typed key's name is cut to 9 characters).
QString KeyName(const T_Command_DEVICE &model, int key);
// KeyName followed by the type in words.
QString KeyDisplayName(const T_Command_DEVICE &model, int key);

// The same vocabulary by value, for callers that show a mode not (yet) in a model.
QString LoopModeTextOf(LoopMode mode, qint32 delay);
QString LoopPictureOf(LoopMode mode);
QString RelayModeTextOf(RelayMode mode, qint32 time);
QString RelayPictureOf(RelayMode mode);
// The caption of the relay mode's button, which the relay list's rows also name the mode by; empty for a
// mode without a button.
QString RelayModeCaptionOf(RelayMode mode);
// True for the mode of a loop in use: every mode but None and Unused (the tick of the loop's row).
bool LoopModeInUse(LoopMode mode);
// True for the modes whose text carries the delay: GuardDelay and GuardFixed. Only their loops keep a
// delay; the Loops page shows it and the save-time check tests it.
bool LoopModeHasDelay(LoopMode mode);
// True when the relay mode's text carries the relay time: "управление SMS" and "ЗАМОК" do not.
bool RelayModeHasTime(RelayMode mode);
// The file of a picture name under the program folder, with "/" as separator on every platform.
QString PicturePath(const QString &programFolder, const QString &pictureName);

// A duress or patrol key's alias has at most this many characters behind its type mark.
inline constexpr int TypedKeyNameLength = 9;

int KeyTypeOfAlias(const QString &alias);
QString KeyNameOfAlias(const QString &alias);
QString KeyDisplayNameOfAlias(const QString &alias);
// The text a key of `type` (0, 1 "!", 2 "*") with the alias `name` is stored as: the type's mark, then
// the alias. A type-0 alias loses the marks at its start, so that the key reads back as type 0.
QString KeyAliasOfType(int type, const QString &name);

} // namespace orva
