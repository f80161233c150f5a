#include "file_writer.h"

#include <QFileInfo>
#include <QSaveFile>

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

} // namespace

FileWriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return failed(FileWriteFailure::Protected, QStringLiteral("is not a regular file"));
    if (target.exists() && isWriteProtected(target))
        return failed(FileWriteFailure::Protected, QStringLiteral("is write-protected"));

    // Until commit() the target is untouched; a QSaveFile that is not committed removes its temporary
    // file when it is cancelled or destroyed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(FileWriteFailure::CannotCreate, file.errorString());
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
    if (!file.commit())
        return failed(FileWriteFailure::CannotReplace, file.errorString());
    return FileWriteResult{true, FileWriteFailure::None, {}};
}

} // namespace orva
