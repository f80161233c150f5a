#include "file_writer.h"

#include "file_platform.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#if defined(Q_OS_WIN)
#include <io.h>
#elif defined(Q_OS_UNIX)
#include <cerrno>
#include <unistd.h>
#endif

namespace orva {
namespace {

FileWriteResult failed(FileWriteFailure failure, const QString &error)
{
    return FileWriteResult{false, failure, error};
}

// The read-only attribute of a card's file system shows as a missing owner write bit; an administrator
// whom the system would let write such a file is refused all the same: the user protected it.
bool isWriteProtected(const QFileInfo &target)
{
    return !target.isWritable() || !target.permissions().testFlag(QFileDevice::WriteOwner);
}

// Puts the written bytes on the disk. QSaveFile syncs too but ignores the result; a file system that
// reserves space only here (a network share, a quota) reports a full disk at this point.
bool syncToDisk(const QSaveFile &file)
{
#if defined(Q_OS_WIN)
    return _commit(file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    // A file system that cannot sync at all says so with these; that is no failed write.
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == ENOSYS || errno == ENOTSUP;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Whether the folder's file system has room for a new file of `size` bytes beside the one it replaces,
// counted in its allocation blocks. A file system that takes the bytes without room for them and drops
// them later (a FAT card image mounted in user space) would report success and lose the file, so the
// room is asked for first. Where the file system does not tell, the write itself finds out.
bool hasRoomFor(const QString &folder, qint64 size)
{
    const QStorageInfo volume(folder);
    const qint64 available = volume.isValid() ? volume.bytesAvailable() : -1;
    if (available < 0)
        return true;
    const qint64 block = qMax(1, volume.blockSize());
    return (size + block - 1) / block * block <= available;
}

} // namespace

FileWriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return failed(FileWriteFailure::Protected, QStringLiteral("is not a regular file"));
    if (target.exists() && isWriteProtected(target))
        return failed(FileWriteFailure::Protected, QStringLiteral("is write-protected"));

    // A replaced file stays its owner's: an administrator who rewrites a user's file must not leave it
    // unreadable to that user.
    const FileOwnership ownership = target.exists() ? OwnershipOf(path) : FileOwnership{};

    if (!hasRoomFor(target.absolutePath(), bytes.size()))
        return failed(FileWriteFailure::CannotCreate,
                      QStringLiteral("the disk has no room for %1 bytes").arg(bytes.size()));

    // Until commit() the target is untouched; a QSaveFile that is not committed removes its temporary
    // file when it is cancelled or destroyed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(FileWriteFailure::CannotCreate, file.errorString());
    if (const QString refused = GiveOwnership(file.handle(), ownership); !refused.isEmpty()) {
        file.cancelWriting();
        return failed(FileWriteFailure::OwnerNotKept, refused);
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        // A short count without an error is a file size limit or a full disk met part-way.
        const QString reason =
            file.error() != QFileDevice::NoError
                ? file.errorString()
                : QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(bytes.size());
        file.cancelWriting();
        return failed(FileWriteFailure::CannotCreate, reason);
    }
    if (!syncToDisk(file)) {
        file.cancelWriting();
        return failed(FileWriteFailure::CannotCreate,
                      QStringLiteral("the written bytes could not be synced to the disk"));
    }
    if (!file.commit())
        return failed(FileWriteFailure::CannotReplace, file.errorString());
    return FileWriteResult{true, FileWriteFailure::None, {}};
}

} // namespace orva
