#pragma once

class QAccessibleInterface;
class QObject;

namespace orva {

// The program's accessibility interface of a tab bar (the page bar), or nullptr when `object` is no tab
// bar. It reads as Qt's own tab bar does (its tabs, then its two scroll buttons; a tab named by its
// text, pressed to make its page current), except that a tab reports focused only while it is the
// current tab of a tab bar that has the keyboard focus. Qt reports the current tab focused wherever the
// focus is, so a screen reader met two focused objects: the page's field and its tab.
QAccessibleInterface *MakeTabBarAccessible(QObject *object);

} // namespace orva
