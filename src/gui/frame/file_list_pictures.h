#pragma once

#include <QIcon>

namespace orva {

// The pictures of the configuration file list: 0 plain file, 1 container (the rows' type column);
// 2 unsorted, 3 ascending, 4 descending (the column headers).
QIcon FileListPicture(int index);

} // namespace orva
