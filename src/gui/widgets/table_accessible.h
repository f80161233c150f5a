#pragma once

class QAccessibleInterface;
class QObject;

namespace orva {

// The program's accessibility interface of a table view (the list mode's file list), or nullptr when
// `object` is no table view. It reads as Qt's own table does (a table whose children are the corner, the
// column headers, then row by row the row header and the cells named by their texts; the table and
// selection operations), except for what the user can see: a table that is not on screen (the file list
// after the list mode has given its place back to the pages) reports its cells, headers and corner
// invisible, a cell scrolled out of the table offscreen, and only the current cell of the table that has
// the keyboard focus reports focused. Qt reports every cell as shown and the current one as focused
// wherever the table is.
QAccessibleInterface *MakeTableAccessible(QObject *object);

} // namespace orva
