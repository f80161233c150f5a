#pragma once

#include <QByteArray>
#include <QString>

namespace orva {

// Why a file was not written. Whatever the reason, the file that was there is left byte for byte as it
// was and no temporary file stays behind.
enum class FileWriteFailure {
    None,
    Protected,     // the target is write-protected, or is not a regular file: it is never replaced
    CannotCreate,  // the new file cannot be created or written completely (no right, no space)
    CannotReplace, // the complete new file cannot take the old one's place
    OwnerNotKept,  // the new file cannot get the owner, group and mode of the one it would replace
};

struct FileWriteResult
{
    bool ok = false;
    FileWriteFailure failure = FileWriteFailure::None;
    QString error; // the system's reason, for the command line and the logs of a failure
};

// The one way this program writes a file. The bytes go to a temporary file beside the target; every
// write is checked (unbuffered, so no byte waits in a buffer whose failure nobody sees), the file is
// flushed and synced, and only a complete file replaces the target. A target that exists and is
// write-protected (its owner may not write it, or this process may not: for an administrator too) is
// refused before anything is written. The new file gets the owner, group and mode of the file it
// replaces; where this process may not give them, nothing is written and the reason is returned. A
// disk without room for the whole new file beside the old one is refused before anything is written.
FileWriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace orva
