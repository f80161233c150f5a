#pragma once

#include "storage/file_list.h"

#include <QIcon>

namespace orva {

// The pictures of the configuration file list: a plain file or a container in the rows' type column,
// a column's sort mark in the headers.
enum class ListPicture { PlainFile, Container, Unsorted, Ascending, Descending };

QIcon FileListPicture(ListPicture picture);

// The type column's picture of a row of that kind.
ListPicture TypePicture(ListFileType type);

} // namespace orva
