#pragma once

class QWidget;

namespace orva {

// Makes each group of radio buttons under `root` one stop of the Tab chain, on its checked button (on
// its first usable button while none is checked), as keyboard users of such windows expect: Tab enters
// a group on the current choice, so Space there never changes it; the arrow keys move the choice within
// the group. A group is a button group, or else the radio buttons of one parent. The stop follows the
// choice and the buttons' enabling and visibility. Binding the same root again changes nothing.
void KeepRadioTabStops(QWidget *root);

} // namespace orva
