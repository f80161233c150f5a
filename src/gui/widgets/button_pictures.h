#pragma once

#include "widgets/picture_button.h"

#include <QStringList>

namespace orva {

// The picture of the given name from the program's button pictures ("open", "print", "device", "save",
// "link", "default", "config", "cancel", "open_file", "open_manual", "apply", "continue", "fix"). A name
// without a picture gives a null pixmap, which the button face shows as a red frame.
QPixmap ButtonPicture(const QString &name);

// An image list of the named pictures, in order (the button with tag t shows entry t - 1).
ImageList MakeImageList(const QStringList &names);

} // namespace orva
