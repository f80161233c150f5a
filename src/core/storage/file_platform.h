#pragma once
// What the file system tells and keeps beyond QFileInfo: a file's ownership and whether a path is a
// named pipe. The one place of platform calls for files.

#include <QString>

namespace orva {

// The owner, group and permission bits of a file: what a file keeps when the one writer replaces it, so
// that a file an administrator rewrites stays its owner's. Known only where the platform has them (Unix);
// elsewhere a new file takes what its folder gives it.
struct FileOwnership
{
    bool known = false;
    uint owner = 0;
    uint group = 0;
    uint mode = 0; // the permission bits, as chmod takes them
};

// The ownership of the file at `path` (links followed); unknown when it cannot be read.
FileOwnership OwnershipOf(const QString &path);

// Gives the open file `handle` the ownership, changing only what differs from what it has. Empty when
// done; otherwise why this process may not give it (the file is then left as it was created).
QString GiveOwnership(int handle, const FileOwnership &ownership);

// True for a named pipe (a FIFO, such as a shell's <(...) gives): it is read as a stream, never as a
// file whose size is known.
bool IsNamedPipe(const QString &path);

} // namespace orva
