#pragma once

class QAccessibleInterface;
class QObject;

namespace orva {

// The program's accessibility interface of a list view (the page lists, the disk list and the item list
// of every combo box), or nullptr when `object` is no list view. It reads as Qt's own list does (a list
// of items named by their texts, with the table and selection operations), except for what the user can
// see: a list that is not on screen (on a page that is not current, in a closed dialog or a closed popup)
// and its items report themselves invisible, an item scrolled out of the list offscreen, and only the
// current item of the list that has the keyboard focus reports focused. Qt reports every item of the list
// as shown and its current item as focused wherever the list is.
QAccessibleInterface *MakeListAccessible(QObject *object);

} // namespace orva
