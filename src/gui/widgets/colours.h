#pragma once

#include <QColor>

namespace orva {

// The colours every window shares.
namespace Colours {
inline const QColor Focused{255, 255, 0};         // the control with the focus, focused button faces
inline const QColor MissingPicture{255, 0, 0};    // frame of a button face without a picture
inline const QColor GroupEnabled{128, 0, 0};      // group captions while the group is enabled (maroon)
inline const QColor GroupDisabled{128, 128, 128}; // group captions while it is disabled
inline const QColor StatusNormal{0, 128, 0};      // status line
inline const QColor StatusReadOnly{255, 0, 0};    // status line in read-only mode
inline const QColor Hint{128, 0, 0};              // second lines of the message boxes (maroon)
} // namespace Colours

// The system colour behind text entry, lists and trees.
QColor WindowColour();
// The system colour of button faces, labels, check boxes and radio buttons.
QColor ButtonFaceColour();

} // namespace orva
